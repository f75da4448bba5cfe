// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Decides when the main window's activation handler runs: each time the main
// window becomes the active window after none or another of the program's own
// windows was. Message boxes and modal questions are not such windows and are never
// reported here, so coming back from one does not count; neither does coming
// back from another application, because the last window stays the main window.
class ActivationRule {
  public:
    enum class Window { None, Main, Language, About, SimulatorFolder };

    // A window became active; true when the main window's handler must run.
    bool activated(Window window) {
        bool run = window == Window::Main && m_last != Window::Main;
        m_last = window;
        return run;
    }
    Window last() const { return m_last; }

  private:
    Window m_last = Window::None;
};
