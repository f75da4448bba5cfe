// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowActivation.h"

#include <QEvent>
#include <QWidget>

WindowActivation::WindowActivation(QWidget* mainWindow, std::function<void()> onMainActivated)
    : QObject(mainWindow), m_main(mainWindow), m_onMainActivated(std::move(onMainActivated)) {
    watch(mainWindow, ActivationRule::Window::Main);
}

void WindowActivation::watch(QWidget* window, ActivationRule::Window role) {
    m_windows[window] = role;
    window->installEventFilter(this);
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event) {
    auto it = m_windows.find(watched);
    if (it != m_windows.end()) {
        if (event->type() == QEvent::WindowActivate) {
            activated(it->second);
        } else if (event->type() == QEvent::Hide && it->second != ActivationRule::Window::Main &&
                   m_rule.last() == it->second && m_main->isVisible() && !m_main->isMinimized()) {
            // The window that was active went away: the main window is active again.
            activated(ActivationRule::Window::Main);
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowActivation::activated(ActivationRule::Window role) {
    if (m_rule.activated(role)) m_onMainActivated();
}
