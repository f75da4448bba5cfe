// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "support/Controls.h"

#include "platform/Platform.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

using testing_support::control;

namespace {

using Box = testing_support::ScriptedPlatform::Box;
const Box kRefusal{"Het programma kan niet worden afgesloten voordat de bestanden weer zijn herstelt.",
                   "Fout bij afsluiten", 16};

struct StateView {
    // Qt keeps its system-menu flag whenever a title-bar button is asked for,
    // so the state shows in the close button's flag.
    bool panelVisible, exitEnabled, optionsVisible, closeButton, minimise;
    bool operator==(const StateView&) const = default;
};

StateView viewOf(const MainWindow& f) {
    Qt::WindowFlags flags = f.windowFlags();
    return {control<QFrame>(f, "Panel1")->isVisible(), control<QAction>(f, "afsluiten1")->isEnabled(),
            control<QMenu>(f, "Opties1")->menuAction()->isVisible(),
            flags.testFlag(Qt::WindowCloseButtonHint), flags.testFlag(Qt::WindowMinimizeButtonHint)};
}

const StateView kSelecting{true, true, true, true, true};
const StateView kStormInstalled{false, false, false, false, true};

TEST_F(MainWindowFixture, LockAndUnlockSwitchBetweenTheTwoStates) {
    form->show();
    EXPECT_EQ(viewOf(*form), kSelecting);
    control<QTextEdit>(form, "RichEdit1")->setPlainText(QStringLiteral("verslag"));
    form->lock();
    EXPECT_EQ(viewOf(*form), kStormInstalled);
    EXPECT_TRUE(form->isVisible()); // changing the border icons must not hide the window
    EXPECT_TRUE(control<QLabel>(form, "Label3")->isVisible());
    EXPECT_TRUE(control<QTextEdit>(form, "RichEdit1")->isVisible());
    EXPECT_TRUE(control<QPushButton>(form, "Button2")->isVisible());
    EXPECT_EQ(form->centralWidget()->childAt(control<QPushButton>(form, "Button2")->geometry().center()),
              control<QPushButton>(form, "Button2"));
    EXPECT_EQ(control<QTextEdit>(form, "RichEdit1")->toPlainText(), QStringLiteral("verslag"));

    form->unlock();
    EXPECT_EQ(viewOf(*form), kSelecting);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(control<QTextEdit>(form, "RichEdit1")->toPlainText().isEmpty());
    // The panel lies over the report and the restore button again.
    QWidget* atRestoreButton =
        form->centralWidget()->childAt(control<QPushButton>(form, "Button2")->geometry().center());
    ASSERT_NE(atRestoreButton, nullptr);
    EXPECT_TRUE(atRestoreButton == control<QFrame>(form, "Panel1") ||
                control<QFrame>(form, "Panel1")->isAncestorOf(atRestoreButton));
}

TEST_F(MainWindowFixture, EveryClosePathIsRefusedWhileAStormIsInstalled) {
    form->show();
    resumeARecordedStorm();
    ASSERT_TRUE(form->storm().isStormActive());
    struct Path {
        const char* name;
        std::function<void()> close;
    } paths[] = {
        {"system close command", [&] { form->close(); }},
        {"Afsluiten menu item",
         [&] { control<QAction>(form, "afsluiten1")->trigger(); }}, // disabled: nothing happens
    };
    size_t expectedBoxes = 0;
    for (const auto& p : paths) {
        p.close();
        if (std::string(p.name) != "Afsluiten menu item") ++expectedBoxes;
        EXPECT_EQ(platform.boxes.size(), expectedBoxes) << p.name;
        EXPECT_TRUE(form->isVisible()) << p.name;
        EXPECT_EQ(viewOf(*form), kStormInstalled) << p.name;
    }
    for (const auto& b : platform.boxes)
        EXPECT_EQ(b, kRefusal);
}

TEST_F(MainWindowFixture, CloseRequestsCloseTheWindowWhenNoStormIsInstalled) {
    form->show();
    control<QAction>(form, "afsluiten1")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.boxes.empty());

    form->show();
    form->lock();
    form->unlock();
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(MainWindowFixture, CloseQueryAnswersByTheStormOnRecord) {
    EXPECT_TRUE(form->mayClose());
    EXPECT_TRUE(platform.boxes.empty());
    resumeARecordedStorm();
    EXPECT_FALSE(form->mayClose());
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0], kRefusal);
}

} // namespace
