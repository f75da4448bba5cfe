// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/program/ActivationRule.h"

#include <QObject>

#include <functional>
#include <map>

class QWidget;

// Watches the program's four forms and runs the main window's activation
// handler on the transitions ActivationRule names. A form that hides while the
// main window is visible hands the activation back to it explicitly, because
// not every platform does (Qt's offscreen platform does not; under X11 it
// depends on the window manager).
class WindowActivation : public QObject {
    Q_OBJECT
  public:
    WindowActivation(QWidget* mainWindow, std::function<void()> onMainActivated);

    void watch(QWidget* form, ActivationRule::Form role);
    const ActivationRule& rule() const { return m_rule; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void activated(ActivationRule::Form role);

    QWidget* m_main;
    std::function<void()> m_onMainActivated;
    std::map<QObject*, ActivationRule::Form> m_forms;
    ActivationRule m_rule;
};
