// SPDX-License-Identifier: GPL-3.0-or-later
// Coming back from the about dialog to the main window rebuilds the route
// list, through the real windows as start-up creates them.
#include "app/Startup.h"
#include "core/program/Settings.h"
#include "gui/AboutDialog.h"
#include "gui/AppContext.h"
#include "gui/LanguageWindow.h"
#include "gui/MainWindow.h"
#include "gui/SimulatorFolderWindow.h"
#include "platform/Ini.h"
#include "support/Controls.h"
#include "support/ProgramWindows.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

using testing_support::control;

namespace {

const QString kPlaceholder = QStringLiteral("Geen route geselecteerd");

struct BackCase {
    const char* name;
    std::function<void(AboutDialog&, MainWindow&)> comeBack;
};

void PrintTo(const BackCase& c, std::ostream* os) {
    *os << c.name;
}

// The real start-up's windows, over the shared fixture's folders.
class BackFromAbout : public ::testing::TestWithParam<BackCase>, public testing_support::ProgramWindows {
  protected:
    void SetUp() override {
        tmp.write("sim/train.exe", "");
        tmp.mkdir("sim/Routes/Eerste");
        // Settled settings: neither the language window nor the location window asks anything.
        settings::writeLanguage(context.folders, "Nederlands");
        settings::writeLanguageAnswered(context.folders);
        storeSimulatorFolder(simulator());
        windows.emplace(createWindows(context));
        ASSERT_TRUE(platform.modalDialogs.empty());
        windows->main->show();
        windows->main->activateWindow();
        settle();
    }
    void TearDown() override { windows.reset(); }
    QStringList routes() const {
        QStringList items;
        for (int i = 0; i < control<QComboBox>(windows->main, "RouteBox")->count(); ++i)
            items << control<QComboBox>(windows->main, "RouteBox")->itemText(i);
        return items;
    }

    std::optional<Windows> windows;
};

TEST_P(BackFromAbout, ThrowsAwayThePickedRouteAndRebuildsTheList) {
    ASSERT_EQ(routes(), QStringList{QStringLiteral("Eerste")});
    control<QComboBox>(windows->main, "RouteBox")->setCurrentIndex(0);
    ASSERT_EQ(control<QComboBox>(windows->main, "RouteBox")->currentText(), QStringLiteral("Eerste"));

    control<QAction>(windows->main, "Info1")->trigger();
    settle();
    ASSERT_TRUE(windows->about->isVisible());
    EXPECT_EQ(control<QComboBox>(windows->main, "RouteBox")->currentText(), QStringLiteral("Eerste"))
        << "not while the dialog is open";

    tmp.mkdir("sim/Routes/Nieuw");
    GetParam().comeBack(*windows->about, *windows->main);
    settle();
    EXPECT_EQ(control<QComboBox>(windows->main, "RouteBox")->currentText(), kPlaceholder);
    EXPECT_EQ(routes(), (QStringList{QStringLiteral("Eerste"), QStringLiteral("Nieuw")}));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, BackFromAbout,
    ::testing::Values(BackCase{"OkButton",
                               [](AboutDialog& d, MainWindow&) {
                                   QTest::mouseClick(control<QPushButton>(d, "OKButton"), Qt::LeftButton);
                               }},
                      BackCase{"CloseBox", [](AboutDialog& d, MainWindow&) { d.close(); }},
                      BackCase{"ClickOnTheMainWindow",
                               [](AboutDialog&, MainWindow& main) { main.activateWindow(); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
