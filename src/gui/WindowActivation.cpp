// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowActivation.h"

#include <QEvent>
#include <QWidget>

WindowActivation::WindowActivation(QWidget* mainWindow, std::function<void()> onMainActivated)
    : QObject(mainWindow), m_main(mainWindow), m_onMainActivated(std::move(onMainActivated)) {
    watch(mainWindow, ActivationRule::Form::Main);
}

void WindowActivation::watch(QWidget* form, ActivationRule::Form role) {
    m_forms[form] = role;
    form->installEventFilter(this);
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event) {
    auto it = m_forms.find(watched);
    if (it != m_forms.end()) {
        if (event->type() == QEvent::WindowActivate) {
            activated(it->second);
        } else if (event->type() == QEvent::Hide && it->second != ActivationRule::Form::Main &&
                   m_rule.last() == it->second && m_main->isVisible() && !m_main->isMinimized()) {
            // The form that was active went away: the main window is active again.
            activated(ActivationRule::Form::Main);
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowActivation::activated(ActivationRule::Form role) {
    if (m_rule.activated(role)) m_onMainActivated();
}
