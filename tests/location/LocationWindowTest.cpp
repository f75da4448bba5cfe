// SPDX-License-Identifier: GPL-3.0-or-later
#include "LocationFixture.h"
#include "platform/Path.h"
#include "support/Controls.h"

#include "platform/Platform.h"
#include "support/Names.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <filesystem>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

namespace mb = platform::mb;
using testing_support::names;

// The window shows itself when nothing is stored yet.
class LocationWindow : public LocationFixture {
  protected:
    void SetUp() override {
        LocationFixture::SetUp();
        writeSettings("[Programma]\nTaalkeuze=Nederlands\n");
    }

    // Shows the window and goes through it as a user would, reading its texts
    // first (title, prompt, continue, browse, group): browse and cancel, try a
    // folder without train.exe, then the simulator's.
    QStringList walkThrough(const std::string& simulator) {
        QStringList texts;
        platform.queueFolder("");
        whileShown([&](SimulatorFolderWindow& f) {
            texts << f.windowTitle() << control<QLabel>(f, "Label1")->text()
                  << control<QPushButton>(f, "Button1")->text() << control<QPushButton>(f, "Button2")->text()
                  << control<QGroupBox>(f, "GroupBox1")->title();
            press(control<QPushButton>(f, "Button2"));
            typeFolder(f, tmp / "nowhere");
            press(control<QPushButton>(f, "Button1"));
            typeFolder(f, simulator);
            press(control<QPushButton>(f, "Button1"));
        });
        create();
        return texts;
    }
};

TEST_F(LocationWindow, ControlsStandWhereTheDesignPutsThem) {
    construct();
    struct Place {
        const char* name;
        QRect geometry;
    } places[] = {
        {"Label1", {8, 8, 257, 41}},    {"GroupBox1", {8, 64, 257, 81}}, {"Edit1", {3, 20, 250, 21}},
        {"Button2", {174, 48, 75, 25}}, {"Button1", {96, 155, 75, 25}},
    };
    for (const auto& p : places) {
        auto* w = form->findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
    }
    EXPECT_EQ(control<QLineEdit>(form, "Edit1")->parentWidget(), control<QGroupBox>(form, "GroupBox1"));
    EXPECT_EQ(control<QPushButton>(form, "Button2")->parentWidget(), control<QGroupBox>(form, "GroupBox1"));
    EXPECT_TRUE(control<QLabel>(form, "Label1")->wordWrap());
    EXPECT_EQ(control<QLineEdit>(form, "Edit1")->text().toStdString(), kDefaultFolder);
    // A fixed single border: the client area cannot be resized.
    EXPECT_EQ(form->minimumSize(), QSize(273, 189));
    EXPECT_EQ(form->maximumSize(), QSize(273, 189));
    // No system menu, so no close, minimise or maximise box.
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    for (Qt::WindowType hint : {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint,
                                Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
        EXPECT_FALSE(flags.testFlag(hint)) << hint;
}

TEST_F(LocationWindow, StandsAtItsFixedPlaceWhenShown) {
    QPoint shownAt;
    whileShown([&](SimulatorFolderWindow& f) { shownAt = f.pos(); });
    create();
    EXPECT_EQ(shownAt, QPoint(244, 217));
}

TEST_F(LocationWindow, TabRunsFromContinueThroughBrowseToTheFolder) {
    construct();
    // The chain Qt follows on Tab: focusable widgets in focus-chain order, from the continue button.
    std::vector<std::string> order;
    QWidget* w = control<QPushButton>(form, "Button1");
    do {
        if (w->focusPolicy() & Qt::TabFocus) order.push_back(w->objectName().toStdString());
        w = w->nextInFocusChain();
    } while (w != control<QPushButton>(form, "Button1") && order.size() < 10);
    EXPECT_EQ(order, (std::vector<std::string>{"Button1", "Button2", "Edit1"}));
    EXPECT_EQ(form->focusWidget(), control<QPushButton>(form, "Button1"));
}

TEST_F(LocationWindow, SpeaksTheBuiltInDutch) {
    const std::string sim = makeSimulator();
    EXPECT_EQ(
        walkThrough(sim),
        names({"Locatie",
               "Voor u verder kan moet eerst de locatie worden aangegeven waar Microsoft Train Simulator "
               "is geïnstalleerd.",
               "Ga Verder", "Bladeren...", "Locatie:"}));
    EXPECT_EQ(platform.browseTitles, (std::vector<std::string>{"Selecteer een map..."}));
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{kNotFoundDutch, "Fout", mb::Ok | mb::IconError},
                                                {kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
}

TEST_F(LocationWindow, ReadsItsOwnSectionsOfTheStoredLanguagesFile) {
    writeSettings("[Programma]\nTaalkeuze=Engels\n");
    // Section and key names in another letter case; the main window's keys must not be used.
    writeLanguageFile("Engels", "[File info]\nLanguage=English\nProgram=Brontara\n"
                                "[LOCATIE SCHERM]\nTitel=Location\nLabel1=Tell us where && how\n"
                                "Button1=&Continue\nbutton2=&Browse...\nGROUPBOX1=Folder:\n"
                                "[Map Dialoog]\nbrowsetekst=Pick a folder\n"
                                "[Meldingen]\nTitel_fout=WRONG\nTitel=Error\nKan_niet_vinden=Not found\n"
                                "Is_Gevonden=Found\nGevonden_Titel=Done\n");
    const std::string sim = makeSimulator();
    EXPECT_EQ(walkThrough(sim),
              names({"Location", "Tell us where & how", "&Continue", "&Browse...", "Folder:"}));
    EXPECT_EQ(platform.browseTitles, (std::vector<std::string>{"Pick a folder"}));
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{"Not found", "Error", mb::Ok | mb::IconError},
                                                {"Found", "Done", mb::Ok | mb::IconInformation}}));
    // The language stays as the settings file has it: this window never stores one.
    EXPECT_EQ(settings::readLanguage(context.folders), "Engels");
}

TEST_F(LocationWindow, WithoutTheLanguagesFileEveryTextIsEmptyAndTheWindowStillWorks) {
    writeSettings("[Programma]\nTaalkeuze=Klingon\n");
    const std::string sim = makeSimulator();
    EXPECT_EQ(walkThrough(sim), QStringList(5, QString()));
    EXPECT_EQ(platform.browseTitles, (std::vector<std::string>{""}));
    EXPECT_EQ(platform.boxes,
              (std::vector<Box>{{"", "", mb::Ok | mb::IconError}, {"", "", mb::Ok | mb::IconInformation}}));
    EXPECT_EQ(storedFolder(), sim);
}

TEST_F(LocationWindow, AStoredFolderWithTrainExeKeepsTheWindowHiddenAndChangesNothing) {
    const std::string sim = makeSimulator("sim", "Train.EXE");
    writeSettings("[Programma]\nTaalkeuze=Nederlands\n[msts locatie]\nPad=" + sim + "\n");
    const auto before = testing_support::snapshot(tmp.path());
    create();
    EXPECT_TRUE(platform.modalDialogs.empty());
    EXPECT_TRUE(platform.registryReads.empty());
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(form->trainExeMissing(), 0);
    EXPECT_EQ(form->storedPath(), sim);
    EXPECT_EQ(testing_support::snapshot(tmp.path()), before);
}

TEST_F(LocationWindow, AStoredFolderThatFailsBringsTheWindowUpOnce) {
    struct Case {
        const char* what;
        std::string settings;
    };
    tmp.mkdir("empty");
    tmp.mkdir("dir/train.exe");
    const std::vector<Case> cases = {
        {"no Pad at all", "[Programma]\nTaalkeuze=Nederlands\n"},
        {"an empty Pad", "[Programma]\nTaalkeuze=Nederlands\n[msts locatie]\nPad=\n"},
        {"a folder without train.exe", "[msts locatie]\nPad=" + (tmp / "empty") + "\n"},
        {"a folder named train.exe only", "[msts locatie]\nPad=" + (tmp / "dir") + "\n"},
        {"a missing folder", "[msts locatie]\nPad=" + (tmp / "gone") + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scripted = testing_support::ScriptedPlatform();
        writeSettings(c.settings);
        whileShown([](SimulatorFolderWindow&) {});
        create();
        EXPECT_EQ(platform.modalDialogs, (std::vector<std::string>{"Locatie_form"}));
        EXPECT_EQ(platform.registryReads,
                  (std::vector<std::pair<std::string, std::string>>{
                      {"\\Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.0\\", "EXE Path"}}));
        EXPECT_EQ(form->trainExeMissing(), 1);
        EXPECT_EQ(settingsBytes(), c.settings); // ended without an accepted folder: nothing written
    }
}

TEST_F(LocationWindow, TheRegistryEntryBecomesTheProposalUnchanged) {
    struct Case {
        bool keyOpened;
        std::string value;
        std::string proposal;
    };
    const std::vector<Case> cases = {
        {false, "", kDefaultFolder},                          // no entry: the built-in proposal
        {true, "", ""},                                       // the key without the value
        {true, "D:\\Games\\MSTS\\", "D:\\Games\\MSTS\\"},     // a trailing backslash stays
        {true, "D:/Games/MSTS", "D:/Games/MSTS"},             // so do forward slashes
        {true, "D:\\MSTS\\train.exe", "D:\\MSTS\\train.exe"}, // and a file name
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        scripted = testing_support::ScriptedPlatform();
        platform.registry = {c.keyOpened, c.value};
        std::string shown;
        whileShown([&](SimulatorFolderWindow& f) { shown = folderText(f); });
        create();
        EXPECT_EQ(shown, c.proposal);
    }
}

TEST_F(LocationWindow, ARegistryValueOfTheWrongTypeIsReportedAndTheFolderCanStillBeGiven) {
    const std::string sim = makeSimulator();
    platform.registryError = "Invalid data type for 'EXE Path'";
    std::string shown;
    std::size_t boxesBeforeShown = 99;
    whileShown([&](SimulatorFolderWindow& f) {
        boxesBeforeShown = platform.boxes.size();
        shown = folderText(f);
        typeFolder(f, sim);
        press(control<QPushButton>(f, "Button1"));
    });
    create();
    EXPECT_EQ(boxesBeforeShown, 1u);
    EXPECT_EQ(shown, kDefaultFolder);
    EXPECT_EQ(platform.boxes,
              (std::vector<Box>{{"Invalid data type for 'EXE Path'", "Brontara", mb::Ok | mb::IconError},
                                {kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
    EXPECT_EQ(storedFolder(), sim);
}

TEST_F(LocationWindow, AcceptingShowsTheBoxFirstThenStoresTheTextAsTypedAndCloses) {
    const std::string sim = makeSimulator();
    const std::string typed = sim + "\\"; // a trailing backslash is kept
    std::string settingsWhileBoxOpen = "unset";
    bool visibleWhileBoxOpen = false;
    platform.onBox = [&](const Box&) {
        settingsWhileBoxOpen = settingsBytes();
        visibleWhileBoxOpen = form->isVisible();
    };
    int result = -1;
    bool visibleAfter = true;
    platform.queueModal([&](QDialog& d) {
        auto& f = static_cast<SimulatorFolderWindow&>(d);
        typeFolder(f, typed);
        press(control<QPushButton>(f, "Button1"));
        visibleAfter = f.isVisible();
        result = f.result();
        return f.result();
    });
    create();
    EXPECT_EQ(settingsWhileBoxOpen, "[Programma]\nTaalkeuze=Nederlands\n");
    EXPECT_TRUE(visibleWhileBoxOpen);
    EXPECT_FALSE(visibleAfter);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(storedFolder(), typed);
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(LocationWindow, ARefusedFolderThenACorrectedOneStoresOnlyTheCorrection) {
    const std::string sim = makeSimulator();
    tmp.mkdir("other");
    std::vector<std::string> settingsAtEachBox;
    platform.onBox = [&](const Box&) { settingsAtEachBox.push_back(settingsBytes()); };
    bool visibleAfterRefusal = false;
    whileShown([&](SimulatorFolderWindow& f) {
        typeFolder(f, tmp / "other");
        press(control<QPushButton>(f, "Button1"));
        visibleAfterRefusal = f.isVisible();
        typeFolder(f, sim);
        press(control<QPushButton>(f, "Button1"));
    });
    create();
    EXPECT_TRUE(visibleAfterRefusal);
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{kNotFoundDutch, "Fout", mb::Ok | mb::IconError},
                                                {kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
    EXPECT_EQ(settingsAtEachBox, std::vector<std::string>(2, "[Programma]\nTaalkeuze=Nederlands\n"));
    EXPECT_EQ(storedFolder(), sim);
}

TEST_F(LocationWindow, TypedFoldersAreAcceptedOnlyWhereTrainExeIsAFile) {
    struct Case {
        const char* what;
        std::function<std::string()> prepare; // builds the folder, returns the text typed
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"train.exe in the folder", [&] { return makeSimulator("a"); }, true},
        {"TRAIN.EXE in another letter case", [&] { return makeSimulator("b", "TRAIN.EXE"); }, true},
        {"backslashes for separators",
         [&] {
             std::string p = makeSimulator("c/d");
             std::replace(p.begin(), p.end(), '/', '\\');
             return p;
         },
         true},
        {"doubled separators", [&] { return makeSimulator("e/f") + "//"; }, true},
        {"the folder in another letter case",
         [&] {
             makeSimulator("CaseFolder");
             return tmp / "casefolder";
         },
         true},
        {"a read-only train.exe",
         [&] {
             const std::string sim = makeSimulator("g");
             std::filesystem::permissions(sim + "/train.exe", std::filesystem::perms::owner_read);
             return sim;
         },
         true},
        {"a folder named train.exe",
         [&] {
             tmp.mkdir("i/train.exe");
             return tmp / "i";
         },
         false},
        {"train.exe itself typed", [&] { return makeSimulator("k") + "/train.exe"; }, false},
        {"a file for the folder", [&] { return tmp.write("notes.txt", "x"); }, false},
#ifndef _WIN32 // links need privileges on Windows
        {"train.exe a link to a file",
         [&] {
             tmp.write("real.exe", "MZ");
             tmp.mkdir("h");
             std::filesystem::create_symlink(tmp / "real.exe", tmp / "h/train.exe");
             return tmp / "h";
         },
         true},
        {"train.exe a dangling link",
         [&] {
             tmp.mkdir("j");
             std::filesystem::create_symlink(tmp / "nothing.exe", tmp / "j/train.exe");
             return tmp / "j";
         },
         false},
        {"a link loop",
         [&] {
             std::filesystem::create_symlink(tmp / "loop", tmp / "loop");
             return tmp / "loop";
         },
         false},
        {"a loop further down",
         [&] {
             tmp.mkdir("m");
             std::filesystem::create_symlink(tmp / "m/n", tmp / "m/n");
             return tmp / "m/n/n/n";
         },
         false},
#endif
        {"a missing folder", [&] { return tmp / "missing"; }, false},
        {"an empty folder", [&] { return tmp.mkdir("empty"); }, false},
        {"nothing typed: train.exe at the root", [] { return std::string(); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scripted = testing_support::ScriptedPlatform();
        writeSettings("[Programma]\nTaalkeuze=Nederlands\n");
        const std::string typed = c.prepare();
        bool visibleAfter = false;
        whileShown([&](SimulatorFolderWindow& f) {
            typeFolder(f, typed);
            press(control<QPushButton>(f, "Button1"));
            visibleAfter = f.isVisible();
        });
        create();
        ASSERT_EQ(platform.boxes.size(), 1u);
        if (c.accepted) {
            EXPECT_EQ(platform.boxes[0], (Box{kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}));
            EXPECT_EQ(storedFolder(), typed);
            EXPECT_FALSE(visibleAfter);
        } else {
            EXPECT_EQ(platform.boxes[0], (Box{kNotFoundDutch, "Fout", mb::Ok | mb::IconError}));
            EXPECT_EQ(storedFolder(), "");
            EXPECT_TRUE(visibleAfter);
        }
    }
}

#ifndef _WIN32 // folder names with line breaks, and permissions that keep the owner out
TEST_F(LocationWindow, ALineBreakInTheFolderIsRefusedEvenWhereSuchAFolderExists) {
    // Such a name cannot exist on Windows, and stored it would split the settings line.
    const std::string odd = makeSimulator("odd\nname");
    whileShown([&](SimulatorFolderWindow& f) {
        control<QLineEdit>(f, "Edit1")->setText(QString::fromStdString(odd)); // pasted
        press(control<QPushButton>(f, "Button1"));
    });
    create();
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{kNotFoundDutch, "Fout", mb::Ok | mb::IconError}}));
    EXPECT_EQ(settingsBytes(), "[Programma]\nTaalkeuze=Nederlands\n");
}

TEST_F(LocationWindow, AFolderIsAcceptedOnlyWhenTheSettingsReadItBackExactly) {
    // Longer than a read of the settings file gives: said so, nothing stored, the window stays.
    std::string deep = "long";
    while ((tmp / deep).size() <= 1030)
        deep += "/" + std::string(200, 'x');
    const std::string tooLong = makeSimulator(deep);
    // Blanks at the ends are kept in quotes, and read back.
    const std::string blanks = makeSimulator(" blanks ");
    bool visibleAfterRefusal = false;
    whileShown([&](SimulatorFolderWindow& f) {
        typeFolder(f, tooLong);
        press(control<QPushButton>(f, "Button1"));
        visibleAfterRefusal = f.isVisible();
        typeFolder(f, blanks);
        press(control<QPushButton>(f, "Button1"));
    });
    create();
    EXPECT_TRUE(visibleAfterRefusal);
    EXPECT_EQ(platform.boxes,
              (std::vector<Box>{{"Deze map kan niet worden opgeslagen: de naam is te lang voor het "
                                 "instellingenbestand. Kies een andere map.",
                                 "Fout", mb::Ok | mb::IconError},
                                {kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
    EXPECT_EQ(storedFolder(), blanks);
}

TEST_F(LocationWindow, AnUnreadableFolderIsRefused) {
    if (geteuid() == 0) GTEST_SKIP() << "running as root: folder permissions do not keep root out";
    const std::string sim = makeSimulator("locked");
    std::filesystem::permissions(sim, std::filesystem::perms::none);
    whileShown([&](SimulatorFolderWindow& f) {
        typeFolder(f, sim);
        press(control<QPushButton>(f, "Button1"));
    });
    create();
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{kNotFoundDutch, "Fout", mb::Ok | mb::IconError}}));
    EXPECT_EQ(storedFolder(), "");
}
#endif

TEST_F(LocationWindow, EnterInTheFolderBoxContinues) {
    const std::string sim = makeSimulator();
    whileShown([&](SimulatorFolderWindow& f) {
        control<QLineEdit>(f, "Edit1")->setFocus();
        typeFolder(f, sim);
        QTest::keyClick(control<QLineEdit>(f, "Edit1"), Qt::Key_Return);
    });
    create();
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
    EXPECT_EQ(storedFolder(), sim);
}

TEST_F(LocationWindow, BrowsingPutsTheChosenFolderInTheBoxAndCancelKeepsTheText) {
    const std::string sim = makeSimulator();
    platform.queueFolder("");
    platform.queueFolder(sim);
    std::string afterCancel, afterChoice;
    whileShown([&](SimulatorFolderWindow& f) {
        typeFolder(f, "D:\\typed");
        press(control<QPushButton>(f, "Button2"));
        afterCancel = folderText(f);
        press(control<QPushButton>(f, "Button2"));
        afterChoice = folderText(f);
        press(control<QPushButton>(f, "Button1"));
    });
    create();
    EXPECT_EQ(afterCancel, "D:\\typed");
    EXPECT_EQ(afterChoice, sim);
    EXPECT_EQ(platform.browseTitles, std::vector<std::string>(2, "Selecteer een map..."));
    EXPECT_EQ(storedFolder(), sim);
    EXPECT_TRUE(platform.allUsed());
}

TEST_F(LocationWindow, ARefusedSettingsWriteIsReportedAndTheWindowClosesWithNothingStored) {
    const std::string sim = makeSimulator();
    // No settings file can be made: the data folder is gone (so no language is
    // stored either, and the texts are empty).
    std::filesystem::remove_all(tmp / "prog/Dump");
    int result = -1;
    bool visibleAfter = true;
    whileShown([&](SimulatorFolderWindow& f) {
        typeFolder(f, sim);
        press(control<QPushButton>(f, "Button1"));
        result = f.result();
        visibleAfter = f.isVisible();
    });
    create();
    EXPECT_EQ(
        platform.boxes,
        (std::vector<Box>{{"", "", mb::Ok | mb::IconInformation},
                          {"Unable to write to " + platform::shownPath(context.folders.settingsFile()) + ".",
                           "Brontara", mb::Ok | mb::IconError}}));
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(visibleAfter);
    EXPECT_FALSE(std::filesystem::exists(tmp / "prog/Dump"));
}

TEST_F(LocationWindow, MessagesArePassedThroughTheFormatterAndABadOneKeepsTheWindowOpen) {
    writeSettings("[Programma]\nTaalkeuze=Test\n");
    writeLanguageFile("Test", "[Meldingen]\nTitel=Error %s\nKan_niet_vinden=Path %s not found: 100%%\n"
                              "Is_Gevonden=%d found\nGevonden_Titel=Done\n");
    const std::string sim = makeSimulator();
    bool visibleAfter = false;
    whileShown([&](SimulatorFolderWindow& f) {
        typeFolder(f, tmp / "nowhere");
        press(control<QPushButton>(f, "Button1"));
        typeFolder(f, sim);
        press(control<QPushButton>(f, "Button1"));
        visibleAfter = f.isVisible();
    });
    create();
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{"Path  not found: 100%", "Error %s", mb::Ok | mb::IconError},
                                                {"Format '%d' invalid or incompatible with argument.",
                                                 "Brontara", mb::Ok | mb::IconError}}));
    EXPECT_TRUE(visibleAfter);
    EXPECT_EQ(storedFolder(), "");
}

TEST_F(LocationWindow, EscapeDoesNotEndTheWindowAndASystemCloseStoresNothing) {
    makeSimulator();
    bool visibleAfterEscape = false, visibleAfterClose = true;
    int result = -1;
    whileShown([&](SimulatorFolderWindow& f) {
        QTest::keyClick(control<QLineEdit>(f, "Edit1"), Qt::Key_Escape);
        visibleAfterEscape = f.isVisible();
        typeFolder(f, tmp / "sim"); // a good folder, but never confirmed
        f.close();
        visibleAfterClose = f.isVisible();
        result = f.result();
    });
    create();
    EXPECT_TRUE(visibleAfterEscape);
    EXPECT_FALSE(visibleAfterClose);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_EQ(settingsBytes(), "[Programma]\nTaalkeuze=Nederlands\n");
}

} // namespace
