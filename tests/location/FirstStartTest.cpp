// SPDX-License-Identifier: GPL-3.0-or-later
// The first start on a machine where the simulator runs under Wine: no
// settings file yet, the simulator where the built-in proposal points.
#include "WinePrefix.h"
#include "support/Controls.h"

#include "app/Startup.h"
#include "core/program/Settings.h"
#include "gui/AppContext.h"
#include "gui/LanguageWindow.h"
#include "gui/MainWindow.h"
#include "gui/SimulatorFolderWindow.h"
#include "platform/Platform.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using testing_support::control;

namespace {

namespace mb = platform::mb;

TEST(FirstStartUnderWine, LanguageWindowThenLocationWindowInThatLanguageThenTheRoutes) {
    testing_support::TempDir tmp;
    tmp.write("prog/Dump/Languages/Engels.lng", "[File info]\nLanguage=English\nProgram=Brontara\n"
                                                "[locatie scherm]\ntitel=Where is MSTS?\n"
                                                "[Meldingen]\nIs_Gevonden=Found it\nGevonden_Titel=Done\n");
    tmp.mkdir("prog/Dump/back_up");
    WinePrefix wine(tmp);
    const std::string sim = "Program Files/Microsoft Games/Train Simulator/";
    wine.writeOnDriveC(sim + "TRAIN.EXE", "MZ");
    wine.writeOnDriveC(sim + "Routes/Zonnedal/route.trk", "x");
    wine.writeOnDriveC(sim + "Routes/alpenland/route.trk", "x");
    wine.writeOnDriveC(sim + "Routes/readme.txt", "not a route");

    testing_support::ScriptedPlatform platform;
    AppContext context{platform, Folders{tmp / "prog/"}};

    // What the user sees, in order.
    std::vector<std::string> seen;
    platform.onBox = [&](const testing_support::ScriptedPlatform::Box& box) {
        seen.push_back("box " + box.caption + ": " + box.text);
    };
    platform.queueModal([&](QDialog& dialog) {
        seen.push_back("window " + dialog.objectName().toStdString());
        auto& language = dynamic_cast<LanguageWindow&>(dialog);
        control<QComboBox>(language, "ComboBox1")
            ->setCurrentIndex(control<QComboBox>(language, "ComboBox1")->findText(QStringLiteral("Engels")));
        QTest::mouseClick(control<QPushButton>(language, "Button1"), Qt::LeftButton);
        return dialog.result();
    });
    platform.queueModal([&](QDialog& dialog) {
        seen.push_back("window " + dialog.objectName().toStdString() + ": " +
                       dialog.windowTitle().toStdString());
        auto& location = dynamic_cast<SimulatorFolderWindow&>(dialog);
        QTest::mouseClick(control<QPushButton>(location, "Button1"),
                          Qt::LeftButton); // the proposal as it stands
        return dialog.result();
    });

    Windows windows = createWindows(context);
    windows.main->show();
    QApplication::processEvents();

    const std::string readError = "box Fout: Fout tijdens het lezen van taal bestand.";
    EXPECT_EQ(seen, (std::vector<std::string>{readError, readError, readError, "window language_form",
                                              "window Locatie_form: Where is MSTS?", "box Done: Found it"}));
    EXPECT_TRUE(platform.allUsed());
    EXPECT_EQ(settings::readLanguage(context.folders), "Engels");
    EXPECT_TRUE(settings::readLanguageAnswered(context.folders));
    EXPECT_EQ(settings::readSimulatorFolder(context.folders),
              "C:\\Program Files\\Microsoft Games\\Train Simulator");

    QStringList routes;
    for (int i = 0; i < control<QComboBox>(windows.main, "RouteBox")->count(); ++i)
        routes << control<QComboBox>(windows.main, "RouteBox")->itemText(i);
    EXPECT_EQ(routes, (QStringList{QStringLiteral("alpenland"), QStringLiteral("Zonnedal")}));
    EXPECT_EQ(windows.main->language().current(), "Engels");
    EXPECT_EQ(windows.main->storm().simulatorFolder(), "C:\\Program Files\\Microsoft Games\\Train Simulator");
}

} // namespace
