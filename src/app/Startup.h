// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppContext.h"

#include <memory>

// The program's four forms, created once at start-up and kept until it ends.
struct Forms {
    std::unique_ptr<TForm1> main;
    std::unique_ptr<Tlanguage_form> language;
    std::unique_ptr<TzktInfoDlg> about;
    std::unique_ptr<TLocatie_form> location;
    Forms() = default;
    Forms(Forms&&) = default;
    ~Forms();
};

// Creates the four forms in their fixed order, each creation handler running
// to completion (inside the error guard) before the next form is created: the
// main window, the language window, the about dialog, the location window.
// The language and location windows may show themselves modally from here.
Forms createForms(AppContext& context);

// The whole program: the single-instance claim, the forms, the event loop.
// Returns the exit status, which is always 0.
int runBrontara(int argc, char** argv);
