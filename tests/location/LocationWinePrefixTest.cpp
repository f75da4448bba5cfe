// SPDX-License-Identifier: GPL-3.0-or-later
// The location window over the real registry probe and path mapping: a Wine
// prefix in a temporary home, its system.reg written here in Wine's format.
#include "LocationFixture.h"
#include "WinePrefix.h"
#include "support/Controls.h"

#include "platform/Platform.h"
#include "platform/Registry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>

#include <algorithm>
#include <chrono>

using testing_support::control;

namespace {

namespace mb = platform::mb;

// Boxes, dialogs and the folder browser are scripted; the registry and the
// search through the other Wine prefixes are the real ones.
class RealRegistryPlatform : public testing_support::ScriptedPlatform {
  public:
    platform::RegistryText readLocalMachineText(const std::string& key,
                                                const std::string& valueName) override {
        registryReads.emplace_back(key, valueName);
        return platform::readLocalMachineText(key, valueName);
    }
    RealRegistryPlatform() { searchWinePrefixes = true; }
};

// The folders the folder box's drop-down list offers, in order.
std::vector<std::string> offeredFolders(const SimulatorFolderWindow& f) {
    std::vector<std::string> folders;
    if (const QCompleter* completer = control<QLineEdit>(f, "Edit1")->completer())
        for (int row = 0; row < completer->model()->rowCount(); ++row)
            folders.push_back(completer->model()->index(row, 0).data().toString().toStdString());
    return folders;
}

const std::string kSimulatorOnDriveC = "PROGRAM FILES/microsoft games/TRAIN SIMULATOR/Train.EXE";

class LocationUnderWine : public LocationFixture {
  protected:
    LocationUnderWine() : LocationFixture(real) {}

    void SetUp() override {
        LocationFixture::SetUp();
        writeSettings("[Programma]\nTaalkeuze=Nederlands\n");
    }

    // Runs start-up's creation of the window, pressing the continue button
    // once on whatever the window proposes; returns the proposal.
    std::string acceptProposal() {
        std::string proposal;
        whileShown([&](SimulatorFolderWindow& f) {
            proposal = folderText(f);
            press(control<QPushButton>(f, "Button1"));
        });
        create();
        return proposal;
    }

    RealRegistryPlatform real;
    WinePrefix wine{tmp};
};

TEST_F(LocationUnderWine, TheBuiltInProposalFindsTheSimulatorOnDriveCWithoutTyping) {
    // The simulator installed in other letter case than the proposal spells it; no registry entry.
    wine.writeOnDriveC(kSimulatorOnDriveC, "MZ");
    wine.writeSystemReg(WinePrefix::header());
    EXPECT_EQ(acceptProposal(), kDefaultFolder);
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
    EXPECT_EQ(storedFolder(), kDefaultFolder);
}

TEST_F(LocationUnderWine, TheRegistryEntryOfTheDefaultPrefixIsProposedAndAccepted) {
    wine.writeOnDriveC("Games/MSTS/train.exe", "MZ");
    // A simulator in another prefix is not proposed while the prefix in force names its own.
    WinePrefix::makeOther((std::filesystem::path(wine.path()).parent_path() / "Games/msts").string(),
                          "Program Files/Microsoft Games/Train Simulator", WinePrefix::header());
    struct Case {
        const char* what;
        std::string systemReg;
        std::string proposal;
    };
    const std::vector<Case> cases = {
        {"a plain string",
         WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=\"C:\\\\Games\\\\MSTS\"\n"),
         "C:\\Games\\MSTS"},
        {"str:",
         WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=str:\"C:\\\\Games\\\\MSTS\"\n"),
         "C:\\Games\\MSTS"},
        {"str(2):",
         WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=str(2):\"C:\\\\Games\\\\MSTS\"\n"),
         "C:\\Games\\MSTS"},
        {"a trailing backslash",
         WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=\"C:\\\\Games\\\\MSTS\\\\\"\n"),
         "C:\\Games\\MSTS\\"},
        {"forward slashes",
         WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=\"C:/Games/MSTS\"\n"),
         "C:/Games/MSTS"},
        {"other values around it",
         WinePrefix::header() +
             WinePrefix::simulatorKey("\"Content\"=dword:00000001\n\"EXE Path\"=\"c:\\\\games\\\\msts\"\n"
                                      "\"Version\"=hex:01,02\n"),
         "c:\\games\\msts"},
        {"a 64-bit prefix with the entry in the 32-bit view",
         WinePrefix::header("win64") +
             WinePrefix::simulatorKey("\"EXE Path\"=\"C:\\\\Games\\\\MSTS\"\n", "Software\\\\Wow6432Node"),
         "C:\\Games\\MSTS"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        real = RealRegistryPlatform();
        writeSettings("[Programma]\nTaalkeuze=Nederlands\n");
        wine.writeSystemReg(c.systemReg);
        EXPECT_EQ(acceptProposal(), c.proposal);
        EXPECT_EQ(platform.boxes,
                  (std::vector<Box>{{kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
        EXPECT_EQ(storedFolder(), c.proposal);
    }
}

TEST_F(LocationUnderWine, WINEPREFIXNamesThePrefixInsteadOfTheHomeFolder) {
    // The default prefix has an entry, the named one another: the named one counts.
    wine.writeSystemReg(WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=\"C:\\\\Home\"\n"));
    tmp.write("other/system.reg",
              WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=\"D:\\\\Elsewhere\"\n"));
    setenv("WINEPREFIX", (tmp / "other").c_str(), 1); // put back by the prefix's destructor
    std::string proposal;
    whileShown([&](SimulatorFolderWindow& f) { proposal = folderText(f); });
    create();
    EXPECT_EQ(proposal, "D:\\Elsewhere");
}

TEST_F(LocationUnderWine, TheKeyWithoutTheValueEmptiesTheProposal) {
    wine.writeSystemReg(WinePrefix::header() + WinePrefix::simulatorKey("\"Other\"=\"x\"\n"));
    std::string proposal = "unset";
    whileShown([&](SimulatorFolderWindow& f) { proposal = folderText(f); });
    create();
    EXPECT_EQ(proposal, "");
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(LocationUnderWine, AValueThatIsNotTextIsReportedAndTheDefaultStaysProposed) {
    wine.writeOnDriveC(kSimulatorOnDriveC, "MZ");
    for (const std::string value : {"dword:00000001", "hex:43,00,3a,00", "hex(7):41,00,00,00,00,00"}) {
        SCOPED_TRACE(value);
        real = RealRegistryPlatform();
        writeSettings("[Programma]\nTaalkeuze=Nederlands\n");
        wine.writeSystemReg(WinePrefix::header() + WinePrefix::simulatorKey("\"EXE Path\"=" + value + "\n"));
        EXPECT_EQ(acceptProposal(), kDefaultFolder);
        EXPECT_EQ(platform.boxes,
                  (std::vector<Box>{{"Invalid data type for 'EXE Path'", "Brontara", mb::Ok | mb::IconError},
                                    {kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
        EXPECT_EQ(storedFolder(), kDefaultFolder);
    }
}

TEST_F(LocationUnderWine, AnEntryPointingAtTrainExeItselfIsRefusedAndBrowsingPutsItRight) {
    const std::string exe = wine.writeOnDriveC(kSimulatorOnDriveC, "MZ");
    const std::string folder = std::filesystem::path(exe).parent_path().string();
    wine.writeSystemReg(
        WinePrefix::header() +
        WinePrefix::simulatorKey("\"EXE Path\"=\"C:\\\\Program Files\\\\Microsoft Games\\\\Train "
                                 "Simulator\\\\train.exe\"\n"));
    platform.queueFolder(folder); // the browser gives a plain host path
    std::string proposal;
    whileShown([&](SimulatorFolderWindow& f) {
        proposal = folderText(f);
        press(control<QPushButton>(f, "Button1"));
        press(control<QPushButton>(f, "Button2"));
        press(control<QPushButton>(f, "Button1"));
    });
    create();
    EXPECT_EQ(proposal, kDefaultFolder + "\\train.exe");
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{kNotFoundDutch, "Fout", mb::Ok | mb::IconError},
                                                {kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
    EXPECT_EQ(storedFolder(), folder);
}

TEST_F(LocationUnderWine, ADamagedSystemRegNeverStopsTheWindow) {
    wine.writeOnDriveC(kSimulatorOnDriveC, "MZ");
    const std::string good = WinePrefix::simulatorKey("\"EXE Path\"=\"C:\\\\Found\"\n");
    const std::string found = "C:\\Found";
    const std::string binary = WinePrefix::binary(4096);
    std::string enormous = WinePrefix::header();
    enormous.reserve(48u << 20);
    while (enormous.size() < (48u << 20))
        enormous += "\n[Software\\\\Filler\\\\" + std::to_string(enormous.size()) + "] 1700000000\n\"v\"=\"" +
                    std::string(200, 'x') + "\"\n";
    enormous += good;
    std::string oneLongLine = WinePrefix::header() + "\n[Software\\\\" + std::string(24u << 20, 'k');
    struct Case {
        const char* what;
        std::string systemReg;
        std::vector<std::string> proposals; // what the window may propose
    };
    const std::string full = WinePrefix::header() + good;
    const std::vector<Case> cases = {
        {"cut off inside the value", full.substr(0, full.size() - 4), {""}},
        {"cut off inside the key line", full.substr(0, full.find("Train Simulator")), {kDefaultFolder}},
        {"binary", binary, {kDefaultFolder}},
        {"binary after the header", WinePrefix::header() + binary, {kDefaultFolder}},
        {"no header", good, {kDefaultFolder}},
        {"empty", "", {kDefaultFolder}},
        {"enormous, the key at the end", enormous, {found}},
        {"one enormous line", oneLongLine, {kDefaultFolder}},
        {"the key twice",
         WinePrefix::header() + good + WinePrefix::simulatorKey("\"EXE Path\"=\"D:\\\\Second\"\n"),
         {found, "D:\\Second"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        real = RealRegistryPlatform();
        writeSettings("[Programma]\nTaalkeuze=Nederlands\n");
        wine.writeSystemReg(c.systemReg);
        const auto started = std::chrono::steady_clock::now();
        std::string proposal = "unset";
        whileShown([&](SimulatorFolderWindow& f) { proposal = folderText(f); });
        create();
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
        EXPECT_NE(std::find(c.proposals.begin(), c.proposals.end(), proposal), c.proposals.end()) << proposal;
        EXPECT_EQ(platform.modalDialogs.size(), 1u);
        EXPECT_TRUE(platform.boxes.empty());
    }
}

// Prefixes that Lutris and PlayOnLinux made, with ~/.wine in force and naming
// no simulator: the most recent is proposed, both are offered in the drop-down
// list (Alt+Down or its arrow), and the older one is taken from it.
TEST_F(LocationUnderWine, ASimulatorInAnotherPrefixIsProposedAndTheOthersOffered) {
    const std::string home = std::filesystem::path(wine.path()).parent_path().string();
    const std::string reg = WinePrefix::header();
    const std::string msts = "Program Files/Microsoft Games/Train Simulator";
    const std::string newer = WinePrefix::makeOther(home + "/Games/new", msts, reg, 60);
    const std::string older = WinePrefix::makeOther(home + "/.PlayOnLinux/wineprefix/MSTS", msts, reg, 600);
    wine.writeSystemReg(reg);
    std::string proposal;
    std::vector<std::string> offered;
    whileShown([&](SimulatorFolderWindow& f) {
        proposal = folderText(f);
        offered = offeredFolders(f);
        ASSERT_EQ(offered.size(), 2u); // else there is no list to choose from
        QLineEdit* edit = control<QLineEdit>(f, "Edit1");
        QAbstractItemView* list = edit->completer()->popup();
        QTest::keyClick(edit, Qt::Key_Down, Qt::AltModifier);
        ASSERT_TRUE(list->isVisible());
        list->hide();
        control<QAction>(edit, "otherFolders")->trigger();
        ASSERT_TRUE(list->isVisible());
        const QModelIndex second = list->model()->index(1, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(second).center());
        press(control<QPushButton>(f, "Button1"));
    });
    create();
    EXPECT_EQ(proposal, newer);
    EXPECT_EQ(offered, (std::vector<std::string>{newer, older}));
    EXPECT_EQ(storedFolder(), older);
    EXPECT_EQ(platform.boxes, (std::vector<Box>{{kFoundDutch, "Voltooid", mb::Ok | mb::IconInformation}}));
}

} // namespace
