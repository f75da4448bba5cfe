// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "gui/WindowActivation.h"

#include <QApplication>
#include <QDialog>

using testing_support::control;

namespace {

const QString kPlaceholder = QStringLiteral("Geen route geselecteerd");

// The real windows: the main window and a dialog watched as the about dialog.
class ActivationThroughWindows : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        tmp.mkdir("sim/Routes/Eerste");
        storeSimulatorFolder(simulator());
        about = new QDialog(form);
        about->setObjectName(QStringLiteral("zktInfoDlg"));
        form->findChild<WindowActivation*>()->watch(about, ActivationRule::Window::About);
    }
    void pickRoute() {
        routeBox()->setCurrentIndex(0);
        ASSERT_EQ(routeBox()->currentText(), QStringLiteral("Eerste"));
    }
    void settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    QDialog* about = nullptr;
};

TEST_F(ActivationThroughWindows, TheFirstShowListsTheRoutes) {
    EXPECT_EQ(routeBox()->count(), 0);
    form->show();
    form->activateWindow();
    settle();
    EXPECT_EQ(routes(), names({"Eerste"}));
    EXPECT_EQ(form->storm().simulatorFolder(), simulator());
}

TEST_F(ActivationThroughWindows, ComingBackFromTheAboutDialogRebuildsTheList) {
    form->show();
    form->activateWindow();
    settle();
    pickRoute();
    about->show();
    about->activateWindow();
    settle();
    EXPECT_EQ(routeBox()->currentText(), QStringLiteral("Eerste")); // not yet: the dialog is open
    tmp.mkdir("sim/Routes/Nieuw");
    about->hide();
    settle();
    EXPECT_EQ(routeBox()->currentText(), kPlaceholder);
    EXPECT_EQ(routes(), names({"Eerste", "Nieuw"}));
}

TEST_F(ActivationThroughWindows, AMessageBoxOrOtherDialogDoesNotCountAsAForm) {
    form->show();
    form->activateWindow();
    settle();
    pickRoute();
    QDialog box(form); // stands for a message box: not one of the program's windows
    box.show();
    box.activateWindow();
    settle();
    box.hide();
    form->activateWindow();
    settle();
    EXPECT_EQ(routeBox()->currentText(), QStringLiteral("Eerste"));
}

} // namespace
