// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up as a whole: the windows in order, and a data folder that cannot be written.
#include "app/Startup.h"
#include "gui/MainWindow.h"
#include "platform/Path.h"
#include "support/Controls.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QDialog>
#include <gtest/gtest.h>

using testing_support::control;

namespace {

using Box = testing_support::ScriptedPlatform::Box;

TEST(Startup, WithoutADataFolderTheWriteErrorIsShownAndStartUpGoesOn) {
    testing_support::TempDir tmp; // a program folder without its Dump folder
    testing_support::ScriptedPlatform platform;
    AppContext context{platform, Folders{tmp / ""}};
    // Both first-run windows come up, since nothing could be stored; each is closed without OK.
    platform.queueModal([](QDialog&) { return 0; });
    platform.queueModal([](QDialog&) { return 0; });

    Windows windows = createWindows(context);

    EXPECT_EQ(platform.modalDialogs, (std::vector<std::string>{"language_form", "Locatie_form"}));
    ASSERT_FALSE(platform.boxes.empty());
    EXPECT_EQ(platform.boxes[0],
              (Box{"Unable to write to " + platform::shownPath(context.folders.settingsFile()) + ".",
                   "Brontara", 16}));
    // The built-in texts were set before the write failed: the main window is usable.
    windows.main->show();
    EXPECT_EQ(control<QComboBox>(windows.main, "RouteBox")->currentText(),
              QStringLiteral("Geen route geselecteerd"));
    EXPECT_TRUE(windows.main->isVisible());
}

TEST(Startup, AFinishedFirstStartShowsNothingButTheMainWindow) {
    testing_support::TempDir tmp;
    tmp.write("MSTS/train.exe", "stand-in");
    tmp.mkdir("MSTS/Routes/Noord");
    tmp.write("prog/Dump/All_dat.ini",
              "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=" + tmp / "MSTS" +
                  "\r\n");
    const std::string before = testing_support::readFile(tmp / "prog/Dump/All_dat.ini");
    testing_support::ScriptedPlatform platform;
    AppContext context{platform, Folders{tmp / "prog/"}};

    Windows windows = createWindows(context);

    EXPECT_TRUE(platform.boxes.empty());
    EXPECT_TRUE(platform.modalDialogs.empty());
    EXPECT_EQ(testing_support::readFile(tmp / "prog/Dump/All_dat.ini"), before); // the same three entries
    EXPECT_NE(windows.main, nullptr);
    EXPECT_NE(windows.language, nullptr);
    EXPECT_NE(windows.about, nullptr);
    EXPECT_NE(windows.simulatorFolder, nullptr);
}

} // namespace
