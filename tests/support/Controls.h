// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>

#include <memory>
#include <stdexcept>
#include <string>

namespace testing_support {

// A window's control found by its object name, as a user or a screen reader
// reaches it; a missing control ends the test with its name.
template <class Control> Control* control(const QObject* window, const char* objectName) {
    auto* found = window ? window->findChild<Control*>(QString::fromLatin1(objectName)) : nullptr;
    if (!found) throw std::runtime_error(std::string("no control named ") + objectName);
    return found;
}

template <class Control> Control* control(const QObject& window, const char* objectName) {
    return control<Control>(&window, objectName);
}

template <class Control, class Window>
Control* control(const std::unique_ptr<Window>& window, const char* objectName) {
    return control<Control>(window.get(), objectName);
}

} // namespace testing_support
