// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/program/ActivationRule.h"

#include <QObject>

#include <functional>
#include <map>

class QWidget;

// Watches the program's four windows and runs the main window's activation
// handler on the transitions ActivationRule names. A window that hides while the
// main window is visible hands the activation back to it explicitly, because
// not every platform does (Qt's offscreen platform does not; under X11 it
// depends on the window manager).
class WindowActivation : public QObject {
    Q_OBJECT
  public:
    WindowActivation(QWidget* mainWindow, std::function<void()> onMainActivated);

    void watch(QWidget* window, ActivationRule::Window role);
    const ActivationRule& rule() const { return m_rule; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activated(ActivationRule::Window role);

    QWidget* m_main;
    std::function<void()> m_onMainActivated;
    std::map<QObject*, ActivationRule::Window> m_windows;
    ActivationRule m_rule;
};
