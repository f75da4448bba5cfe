// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "support/Controls.h"
#include "support/TextMetrics.h"

#include "platform/Platform.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>

#include <algorithm>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using Box = testing_support::ScriptedPlatform::Box;
const QString kPlaceholder = QStringLiteral("Geen route geselecteerd");

TEST_F(MainWindowFixture, ControlsStandWhereTheDesignPutsThem) {
    SKIP_WITHOUT_REAL_FONTS();
    struct Place {
        const char* name;
        QRect geometry;
    } places[] = {
        {"Label3", {13, 16, 321, 80}}, {"Button2", {100, 224, 160, 25}}, {"RichEdit1", {5, 118, 329, 89}},
        {"Panel1", {0, 0, 349, 283}},  {"Image1", {0, 0, 349, 283}},     {"GroupBox1", {80, 24, 177, 113}},
        {"Label1", {8, 24, 145, 49}},  {"RouteBox", {8, 72, 161, 21}},   {"Button1", {128, 200, 75, 25}},
    };
    for (const auto& p : places) {
        auto* w = form->findChild<QWidget*>(QString::fromLatin1(p.name));
        ASSERT_NE(w, nullptr) << p.name;
        EXPECT_EQ(w->geometry(), p.geometry) << p.name;
    }
    EXPECT_EQ(form->centralWidget()->size(), QSize(349, 283));
    // The group box's style sheet must not cost its controls the design font.
    form->show();
    QApplication::processEvents();
    for (QWidget* w : std::initializer_list<QWidget*>{control<QGroupBox>(form, "GroupBox1"),
                                                      control<QLabel>(form, "Label1"), routeBox(),
                                                      control<QPushButton>(form, "Button1")}) {
        EXPECT_NEAR(w->font().pointSizeF(), 8, 0.5) << w->objectName().toStdString();
        EXPECT_EQ(w->font().family(), form->font().family()) << w->objectName().toStdString();
    }
    // The placeholder shows whole in the route box.
    QFontMetrics metrics(routeBox()->lineEdit()->font());
    EXPECT_LE(metrics.horizontalAdvance(routeBox()->currentText()),
              routeBox()->lineEdit()->contentsRect().width());
    EXPECT_EQ(control<QLabel>(form, "Label3")->font().pointSize(), 10);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Brontara"));
    EXPECT_TRUE(routeBox()->isEditable());
    EXPECT_EQ(routeBox()->maxVisibleItems(), 8);
    EXPECT_TRUE(control<QTextEdit>(form, "RichEdit1")->isReadOnly());
    EXPECT_EQ(control<QTextEdit>(form, "RichEdit1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(MainWindowFixture, MenuHoldsTheItemsInOrderWithTheirDutchCaptions) {
    QStringList titles;
    for (QAction* a : form->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, names({"&Bestand", "&Opties", "&Help"}));
    EXPECT_EQ(control<QMenu>(form, "Bestand1")->actions().value(0), control<QAction>(form, "afsluiten1"));
    EXPECT_EQ(control<QAction>(form, "afsluiten1")->text(), QStringLiteral("&Afsluiten"));
    EXPECT_EQ(control<QMenu>(form, "Taal1")->title(), QStringLiteral("&Taal"));
    EXPECT_EQ(control<QAction>(form, "Nederlands1")->text(), QStringLiteral("Nederlands"));
    QList<QAction*> help = control<QMenu>(form, "Help1")->actions();
    ASSERT_EQ(help.size(), 3);
    EXPECT_EQ(help[0]->text(), QStringLiteral("H&elp inhoud"));
    EXPECT_TRUE(help[1]->isSeparator());
    EXPECT_EQ(help[2]->text(), QStringLiteral("&Info"));
    EXPECT_EQ(control<QPushButton>(form, "Button1")->text(), QStringLiteral("Maken..."));
    EXPECT_EQ(control<QPushButton>(form, "Button2")->text(), QStringLiteral("Ga terug en herstel alles"));
    EXPECT_EQ(control<QGroupBox>(form, "GroupBox1")->title(), QStringLiteral("Route Selecteren"));
    // A label shows no access key: the caption's quotes and words stand as they are.
    EXPECT_TRUE(control<QLabel>(form, "Label3")->text().startsWith(QStringLiteral("Het maken van onweer")));
}

TEST_F(MainWindowFixture, RouteListHoldsOnlyOrdinaryFoldersInFileSystemOrder) {
    tmp.mkdir("sim/Routes/zuidlijn");
    tmp.mkdir("sim/Routes/Alpha");
    tmp.mkdir("sim/Routes/beta");
    tmp.mkdir("sim/Routes/.verborgen"); // hidden
    tmp.write("sim/Routes/readme.txt", "not a route");
    tmp.write("sim/Routes/Gamma.trk", "a file");
    showRoutesOf(simulator());
    EXPECT_EQ(routes(), names({"Alpha", "beta", "zuidlijn"}));
    EXPECT_EQ(routeBox()->currentText(), kPlaceholder);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(MainWindowFixture, RouteListStaysEmptyWithoutAReadableRoutesFolder) {
    struct Case {
        const char* name;
        std::string folder;
    } cases[] = {
        {"missing folder", simulator() + "\\Nergens"},
        {"a file", tmp.write("sim/Bestand", "x")},
        {"empty setting", ""},
    };
    for (const auto& c : cases) {
        routeBox()->addItem(QStringLiteral("oud"));
        showRoutesOf(c.folder);
        EXPECT_EQ(routeBox()->count(), 0) << c.name;
        EXPECT_EQ(routeBox()->currentText(), kPlaceholder) << c.name;
    }
    EXPECT_TRUE(platform.boxes.empty());
}

#ifndef _WIN32 // links need privileges on Windows, and folder permissions are not POSIX modes there
TEST_F(MainWindowFixture, RouteListPassesOverLinkLoopsAndEntriesItCannotRead) {
    tmp.mkdir("sim/Routes/Echt");
    ASSERT_EQ(symlink("Lus2", (tmp / "sim/Routes/Lus1").c_str()), 0);
    ASSERT_EQ(symlink("Lus1", (tmp / "sim/Routes/Lus2").c_str()), 0);
    ASSERT_EQ(symlink("Echt", (tmp / "sim/Routes/Verwijzing").c_str()), 0); // a link to a route is a route
    ASSERT_EQ(symlink("/nergens/hier", (tmp / "sim/Routes/Kapot").c_str()), 0);
    tmp.mkdir("sim/Routes/Dicht");
    chmod((tmp / "sim/Routes/Dicht").c_str(), 0);
    showRoutesOf(simulator());
    EXPECT_EQ(routes(), names({"Dicht", "Echt", "Verwijzing"}));
    chmod((tmp / "sim/Routes/Dicht").c_str(), 0755);
}
#endif

TEST_F(MainWindowFixture, RouteListTakesTenThousandRoutes) {
    for (int i = 0; i < 10000; ++i)
        tmp.mkdir("sim/Routes/R" + std::to_string(i));
    showRoutesOf(simulator());
    ASSERT_EQ(routeBox()->count(), 10000);
    EXPECT_EQ(routeBox()->itemText(0), QStringLiteral("R0"));
    EXPECT_EQ(routeBox()->itemText(1), QStringLiteral("R1"));
    EXPECT_EQ(routeBox()->itemText(2), QStringLiteral("R10")); // name order, not number order
    EXPECT_EQ(routeBox()->currentText(), kPlaceholder);
}

TEST_F(MainWindowFixture, RouteListIsFoundWhateverTheLetterCaseOfRoutes) {
    tmp.mkdir("sim2/ROUTES/Noord");
    showRoutesOf(tmp / "sim2");
    EXPECT_EQ(routes(), names({"Noord"}));
}

TEST_F(MainWindowFixture, ActivationReadsTheStoredFolderAfreshAndDropsThePickedRoute) {
    tmp.mkdir("sim/Routes/Eerste");
    storeSimulatorFolder(simulator());
    form->reloadRoutes();
    EXPECT_EQ(form->storm().simulatorFolder(), simulator());
    EXPECT_EQ(routes(), names({"Eerste"}));

    routeBox()->setCurrentIndex(0);
    tmp.mkdir("other/Routes/Tweede");
    storeSimulatorFolder(tmp / "other");
    form->reloadRoutes();
    EXPECT_EQ(routes(), names({"Tweede"}));
    EXPECT_EQ(routeBox()->currentText(), kPlaceholder);
}

TEST_F(MainWindowFixture, ATypedRouteNameStaysAsTyped) {
    tmp.mkdir("sim/Routes/Eerste");
    showRoutesOf(simulator());
    routeBox()->setEditText(QStringLiteral("Bestaat niet"));
    EXPECT_EQ(routeBox()->currentText(), QStringLiteral("Bestaat niet"));
    EXPECT_EQ(routes(), names({"Eerste"}));
}

TEST_F(MainWindowFixture, AnErrorBoxFormatsTheMessageAndUsesTheErrorIcon) {
    MessageBoxes(platform).showError("100%% mis %s hier", "Fout");
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], (Box{"100% mis  hier", "Fout", platform::mb::IconError}));
}

TEST_F(MainWindowFixture, AMessageThatCannotBeFormattedShowsTheFormatterErrorInstead) {
    resumeARecordedStorm();
    form->language().texts().mayNotClose = "Nog %d bestanden";
    form->show();
    form->close();
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], (Box{"Format '%d' invalid or incompatible with argument.", "Brontara", 16}));
    // The close was abandoned with its handler: the storm is still there to restore.
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainWindowFixture, ASettingsWriteThatIsRefusedRaisesAfterTheTextsAreSet) {
    // A folder in the settings file's place refuses the write, also for root.
    std::remove((tmp / "prog/Dump/All_dat.ini").c_str());
    tmp.mkdir("prog/Dump/All_dat.ini/blocked");
    form->language().texts().noRouteChosen.clear();
    EXPECT_FALSE(context.guard.run([&] { form->language().apply("Nederlands"); }));
    EXPECT_EQ(form->language().texts().noRouteChosen, "Er is nog geen route geselecteerd!");
    ASSERT_EQ(platform.boxes.size(), 1u);
    // The path as the system writes it: one kind of separator throughout.
    std::string file = tmp / "prog/Dump/All_dat.ini";
#ifdef _WIN32
    std::replace(file.begin(), file.end(), '/', '\\');
#endif
    EXPECT_EQ(platform.boxes[0].text, "Unable to write to " + file + ".");
    EXPECT_EQ(platform.boxes[0].caption, "Brontara");
}

} // namespace
