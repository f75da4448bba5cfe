// SPDX-License-Identifier: GPL-3.0-or-later
// Coming back from the about dialog to the main window rebuilds the route
// list, through the real forms as start-up creates them.
#include "app/AppContext.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/TForm1.h"
#include "info/TzktInfoDlg.h"
#include "lang/Tlanguage_form.h"
#include "location/TLocatie_form.h"
#include "platform/Ini.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

const QString kPlaceholder = QStringLiteral("Geen route geselecteerd");

struct BackCase {
    const char* name;
    std::function<void(TzktInfoDlg&, TForm1&)> comeBack;
};

void PrintTo(const BackCase& c, std::ostream* os) {
    *os << c.name;
}

class BackFromAbout : public ::testing::TestWithParam<BackCase> {
  protected:
    void SetUp() override {
        tmp.write("sim/train.exe", "");
        tmp.mkdir("sim/Routes/Eerste");
        tmp.mkdir("prog/Dump/Languages");
        context = std::make_unique<AppContext>(AppContext{platform, Folders{tmp / "prog/"}});
        // Settled settings: neither the language window nor the location window asks anything.
        settings::writeLanguage(context->folders, "Nederlands");
        settings::writeLanguageAnswered(context->folders);
        settings::writeSimulatorFolder(context->folders, tmp / "sim");
        forms.emplace(createForms(*context));
        ASSERT_TRUE(platform.modalDialogs.empty());
        forms->main->show();
        forms->main->activateWindow();
        settle();
    }
    void TearDown() override { forms.reset(); }
    static void settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    QStringList routes() const {
        QStringList items;
        for (int i = 0; i < forms->main->RouteBox->count(); ++i)
            items << forms->main->RouteBox->itemText(i);
        return items;
    }

    testing_support::TempDir tmp;
    testing_support::ScriptedPlatform platform;
    std::unique_ptr<AppContext> context;
    std::optional<Forms> forms;
};

TEST_P(BackFromAbout, ThrowsAwayThePickedRouteAndRebuildsTheList) {
    ASSERT_EQ(routes(), QStringList{QStringLiteral("Eerste")});
    forms->main->RouteBox->setCurrentIndex(0);
    ASSERT_EQ(forms->main->RouteBox->currentText(), QStringLiteral("Eerste"));

    forms->main->Info1->trigger();
    settle();
    ASSERT_TRUE(forms->about->isVisible());
    EXPECT_EQ(forms->main->RouteBox->currentText(), QStringLiteral("Eerste"))
        << "not while the dialog is open";

    tmp.mkdir("sim/Routes/Nieuw");
    GetParam().comeBack(*forms->about, *forms->main);
    settle();
    EXPECT_EQ(forms->main->RouteBox->currentText(), kPlaceholder);
    EXPECT_EQ(routes(), (QStringList{QStringLiteral("Eerste"), QStringLiteral("Nieuw")}));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, BackFromAbout,
    ::testing::Values(
        BackCase{"OkButton", [](TzktInfoDlg& d, TForm1&) { QTest::mouseClick(d.OKButton, Qt::LeftButton); }},
        BackCase{"CloseBox", [](TzktInfoDlg& d, TForm1&) { d.close(); }},
        BackCase{"ClickOnTheMainWindow", [](TzktInfoDlg&, TForm1& main) { main.activateWindow(); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
