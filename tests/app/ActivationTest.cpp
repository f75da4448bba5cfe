// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "app/FormActivation.h"

#include <QApplication>
#include <QDialog>

namespace {

const QString kPlaceholder = QStringLiteral("Geen route geselecteerd");

// The real windows: the main window and a dialog watched as the about dialog.
class ActivationThroughWindows : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        tmp.mkdir("sim/Routes/Eerste");
        storeSimulatorFolder(simulator());
        about = new QDialog(form.get());
        about->setObjectName(QStringLiteral("zktInfoDlg"));
        form->findChild<FormActivation*>()->watch(about, ActivationRule::Form::About);
    }
    void pickRoute() {
        form->RouteBox->setCurrentIndex(0);
        ASSERT_EQ(form->RouteBox->currentText(), QStringLiteral("Eerste"));
    }
    void settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
    }
    QDialog* about = nullptr;
};

TEST_F(ActivationThroughWindows, TheFirstShowListsTheRoutes) {
    EXPECT_EQ(form->RouteBox->count(), 0);
    form->show();
    form->activateWindow();
    settle();
    EXPECT_EQ(routes(), names({"Eerste"}));
    EXPECT_EQ(form->SimulatorFolder, simulator());
}

TEST_F(ActivationThroughWindows, ComingBackFromTheAboutDialogRebuildsTheList) {
    form->show();
    form->activateWindow();
    settle();
    pickRoute();
    about->show();
    about->activateWindow();
    settle();
    EXPECT_EQ(form->RouteBox->currentText(), QStringLiteral("Eerste")); // not yet: the dialog is open
    tmp.mkdir("sim/Routes/Nieuw");
    about->hide();
    settle();
    EXPECT_EQ(form->RouteBox->currentText(), kPlaceholder);
    EXPECT_EQ(routes(), names({"Eerste", "Nieuw"}));
}

TEST_F(ActivationThroughWindows, AMessageBoxOrOtherDialogDoesNotCountAsAForm) {
    form->show();
    form->activateWindow();
    settle();
    pickRoute();
    QDialog box(form.get()); // stands for a message box: not one of the program's forms
    box.show();
    box.activateWindow();
    settle();
    box.hide();
    form->activateWindow();
    settle();
    EXPECT_EQ(form->RouteBox->currentText(), QStringLiteral("Eerste"));
}

} // namespace
