// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Decides when the main window's activation handler runs: each time the main
// window becomes the active form after none or another of the program's own
// forms was. Message boxes and modal questions are not forms and are never
// reported here, so coming back from one does not count; neither does coming
// back from another application, because the last form stays the main window.
class ActivationRule {
  public:
    enum class Form { None, Main, Language, About, Location };

    // A form became active; true when the main window's handler must run.
    bool activated(Form form) {
        bool run = form == Form::Main && m_last != Form::Main;
        m_last = form;
        return run;
    }
    Form last() const { return m_last; }

  private:
    Form m_last = Form::None;
};
