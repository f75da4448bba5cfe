// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds in the program's windows, read through Qt's
// accessibility interface as assistive technology reads it.
#include "InfoFixture.h"
#include "app/Startup.h"
#include "core/help/ProjectLinks.h"
#include "gui/AboutDialog.h"
#include "gui/LanguageWindow.h"
#include "gui/SimulatorFolderWindow.h"
#include "gui/widgets/LinkLabel.h"
#include "gui/widgets/PictureBox.h"
#include "support/Controls.h"
#include "support/ProgramWindows.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

using testing_support::control;

namespace {

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(a, nullptr) << object->objectName().toStdString();
    return a;
}

QString nameOf(QObject* object) {
    return accessible(object)->text(QAccessible::Name);
}

bool offersPress(QAccessibleInterface* a) {
    return a->actionInterface() &&
           a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction());
}

using AccessibilityTest = InfoFixture;

TEST_F(AccessibilityTest, TheLinksAreLinksNamedByTheirCaptions) {
    about->show();
    for (LinkLabel* link : {control<LinkLabel>(about, "WebLink"), control<LinkLabel>(about, "Mail_adres")}) {
        QAccessibleInterface* a = accessible(link);
        EXPECT_EQ(a->role(), QAccessible::Link) << link->objectName().toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), link->caption());
        EXPECT_TRUE(a->state().linked);
        EXPECT_TRUE(offersPress(a));
    }
    EXPECT_EQ(nameOf(control<LinkLabel>(about, "WebLink")), QStringLiteral("www.brontara.example"));
    EXPECT_EQ(nameOf(control<LinkLabel>(about, "Mail_adres")), QStringLiteral("Stuur een E-mail"));
    EXPECT_EQ(accessible(control<LinkLabel>(about, "Mail_adres"))->text(QAccessible::Value),
              QStringLiteral("mailto:info@brontara.example"));
}

TEST_F(AccessibilityTest, TheLinkNameFollowsTheLanguage) {
    writeLanguage("English", "[About Dlg]\r\nmail_adres=Send an &e-mail\r\n");
    form->language().apply("English");
    about->show();
    EXPECT_EQ(nameOf(control<LinkLabel>(about, "Mail_adres")), QStringLiteral("Send an e-mail"));
}

TEST_F(AccessibilityTest, PressingALinkDoesWhatAClickDoes) {
    about->show();
    for (LinkLabel* link : {control<LinkLabel>(about, "WebLink"), control<LinkLabel>(about, "Mail_adres")}) {
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));
        accessible(link)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    const std::string web(project_links::kWebAddress),
        mail = "mailto:" + std::string(project_links::kMailAddress);
    EXPECT_EQ(platform.opened, (std::vector<std::string>{web, web, mail, mail}));
}

TEST_F(AccessibilityTest, TheKeyboardReachesTheLinksAndEnterStillClosesTheDialog) {
    about->show();
    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(control<QPushButton>(about, "OKButton")));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(control<LinkLabel>(about, "WebLink")));
    QTest::keyClick(control<LinkLabel>(about, "WebLink"), Qt::Key_Space);
    QTest::keyClick(control<LinkLabel>(about, "WebLink"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(control<LinkLabel>(about, "Mail_adres")));
    QTest::keyClick(control<LinkLabel>(about, "Mail_adres"), Qt::Key_Return);
    EXPECT_TRUE(about->isVisible()); // the link took the key, not the OK button
    EXPECT_EQ(platform.opened,
              (std::vector<std::string>{std::string(project_links::kWebAddress),
                                        "mailto:" + std::string(project_links::kMailAddress)}));

    QTest::keyClick(control<LinkLabel>(about, "Mail_adres"), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(control<QPushButton>(about, "OKButton")));
    QTest::keyClick(control<QPushButton>(about, "OKButton"), Qt::Key_Return);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(platform.opened.size(), 2u);
}

TEST_F(AccessibilityTest, AFocusedLinkShowsAFocusFrame) {
    about->show();
    about->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    const QImage before = control<LinkLabel>(about, "WebLink")->grab().toImage();
    control<LinkLabel>(about, "WebLink")->setFocus(Qt::TabFocusReason);
    EXPECT_NE(control<LinkLabel>(about, "WebLink")->grab().toImage(), before);
}

TEST_F(AccessibilityTest, AnInactiveLinkOffersNoPressAndOpensNothing) {
    about->show();
    control<LinkLabel>(about, "WebLink")->setLinkActive(false);
    control<LinkLabel>(about, "Mail_adres")->setEnabled(false);
    for (LinkLabel* link : {control<LinkLabel>(about, "WebLink"), control<LinkLabel>(about, "Mail_adres")}) {
        QAccessibleInterface* a = accessible(link);
        EXPECT_FALSE(offersPress(a)) << link->objectName().toStdString();
        EXPECT_FALSE(a->state().linked);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    }
    EXPECT_TRUE(platform.opened.empty());
}

TEST_F(AccessibilityTest, ThePicturesAreNamedGraphics) {
    for (QWidget* picture : std::initializer_list<QWidget*>{control<PictureBox>(about, "Image1"),
                                                            control<PictureBox>(about, "Image2"),
                                                            control<PictureBox>(form, "Image1")}) {
        QAccessibleInterface* a = accessible(picture);
        EXPECT_EQ(a->role(), QAccessible::Graphic) << picture->objectName().toStdString();
        EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << picture->objectName().toStdString();
    }
}

// The names of the objects that label a control (Qt names a combo box on
// Linux by its value and gives it its label through this relation).
QStringList labelsOf(QObject* object) {
    QStringList names;
    for (const auto& [other, relation] : accessible(object)->relations(QAccessible::Label))
        names << other->text(QAccessible::Name);
    return names;
}

TEST_F(AccessibilityTest, TheRouteBoxIsLabelledByItsGroupInEveryLanguage) {
    EXPECT_EQ(labelsOf(control<QComboBox>(form, "RouteBox")),
              QStringList{QStringLiteral("Route Selecteren")});
    EXPECT_EQ(control<QComboBox>(form, "RouteBox")->accessibleName(), QStringLiteral("Route Selecteren"));
    writeLanguage("English",
                  "[Hoofd Scherm]\r\ngroupbox1=&Choose a route\r\nlabel1=Pick the route for the storm.\r\n");
    form->language().apply("English");
    EXPECT_EQ(labelsOf(control<QComboBox>(form, "RouteBox")), QStringList{QStringLiteral("Choose a route")});
    EXPECT_EQ(control<QComboBox>(form, "RouteBox")->accessibleName(), QStringLiteral("Choose a route"));
    EXPECT_EQ(accessible(control<QComboBox>(form, "RouteBox"))->text(QAccessible::Description),
              QStringLiteral("Pick the route for the storm."));
}

TEST_F(AccessibilityTest, TheReportIsNamedByItsHeading) {
    EXPECT_EQ(nameOf(control<QTextEdit>(form, "RichEdit1")),
              QStringLiteral("Informatie van uw instellingen:"));
}

// The whole program as start-up makes it, after a finished first start.
class EveryWindow : public ::testing::Test, public testing_support::ProgramWindows {
  protected:
    void SetUp() override {
        tmp.write("MSTS/train.exe", "stand-in");
        tmp.write("prog/Dump/All_dat.ini",
                  "[Programma]\r\nTaalkeuze=Nederlands\r\nTaalscherm=1\r\n[msts locatie]\r\nPad=" +
                      tmp / "MSTS" + "\r\n");
        windows = std::make_unique<Windows>(createWindows(context));
    }
    std::unique_ptr<Windows> windows;
};

// What a user reaches: what takes the focus, what acts on a click, and the pictures.
bool reachable(QWidget* w) {
    if (qobject_cast<QComboBox*>(w->parentWidget())) return false; // the parts of a combo box
    return (w->focusPolicy() & Qt::TabFocus) || qobject_cast<LinkLabel*>(w) || qobject_cast<PictureBox*>(w) ||
           (qobject_cast<QLabel*>(w) && !qobject_cast<QLabel*>(w)->pixmap().isNull());
}

TEST_F(EveryWindow, EveryControlAUserCanReachHasANameAndARole) {
    const std::vector<QWidget*> all{windows->main.get(), windows->language.get(), windows->about.get(),
                                    windows->simulatorFolder.get()};
    int checked = 0;
    for (QWidget* window : all) {
        EXPECT_FALSE(nameOf(window).isEmpty()) << window->objectName().toStdString();
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (w->window() != window || !reachable(w)) continue; // a combo box's list is a window of its own
            ++checked;
            QAccessibleInterface* a = accessible(w);
            const std::string where = window->objectName().toStdString() + "/" +
                                      w->objectName().toStdString() + " (" + w->metaObject()->className() +
                                      ")";
            EXPECT_FALSE(a->text(QAccessible::Name).trimmed().isEmpty()) << where;
            EXPECT_NE(a->role(), QAccessible::Client) << where;
            EXPECT_NE(a->role(), QAccessible::NoRole) << where;
        }
    }
    // Main window 5 (route box, two buttons, report, picture), language window 2,
    // about dialog 5 (two links, two pictures, OK), location window 3.
    EXPECT_EQ(checked, 15);
}

TEST_F(EveryWindow, TheBoxesOfTheFirstRunWindowsAreNamedByTheirPrompts) {
    EXPECT_EQ(control<QComboBox>(windows->language, "ComboBox1")->accessibleName(),
              QStringLiteral("Selecteer de taal welke Brontara moet gebruiken."));
    const QStringList groups = labelsOf(control<QLineEdit>(windows->simulatorFolder, "Edit1"));
    ASSERT_EQ(groups.size(), 1);
    EXPECT_FALSE(groups.front().isEmpty());
    EXPECT_EQ(nameOf(control<QLineEdit>(windows->simulatorFolder, "Edit1")), groups.front());
}

TEST_F(EveryWindow, EveryMenuItemHasANameAndARole) {
    QAccessibleInterface* bar = accessible(windows->main->menuBar());
    ASSERT_EQ(bar->childCount(), 3);
    int items = 0;
    std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* menu) {
        for (int i = 0; i < menu->childCount(); ++i) {
            QAccessibleInterface* item = menu->child(i);
            if (item->role() == QAccessible::Separator) continue;
            ++items;
            EXPECT_EQ(item->role(), QAccessible::MenuItem);
            EXPECT_FALSE(item->text(QAccessible::Name).isEmpty());
            if (item->childCount() > 0)
                visit(item->child(0)->role() == QAccessible::PopupMenu ? item->child(0) : item);
        }
    };
    visit(bar);
    EXPECT_GE(items, 3);
}

} // namespace
