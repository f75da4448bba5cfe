// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/WindowActivation.h"

#include <QEvent>
#include <QWidget>

WindowActivation::WindowActivation(QWidget* mainWindow, std::function<void()> onMainActivated)
    : QObject(mainWindow), main_(mainWindow), onMainActivated_(std::move(onMainActivated)) {
    watch(mainWindow, ActivationRule::Form::Main);
}

void WindowActivation::watch(QWidget* form, ActivationRule::Form role) {
    forms_[form] = role;
    form->installEventFilter(this);
}

bool WindowActivation::eventFilter(QObject* watched, QEvent* event) {
    auto it = forms_.find(watched);
    if (it != forms_.end()) {
        if (event->type() == QEvent::WindowActivate) {
            activated(it->second);
        } else if (event->type() == QEvent::Hide && it->second != ActivationRule::Form::Main &&
                   rule_.last() == it->second && main_->isVisible() && !main_->isMinimized()) {
            // The form that was active went away: the main window is active again.
            activated(ActivationRule::Form::Main);
        }
    }
    return QObject::eventFilter(watched, event);
}

void WindowActivation::activated(ActivationRule::Form role) {
    if (rule_.activated(role))
        onMainActivated_();
}
