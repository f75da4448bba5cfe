// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "gui/AboutDialog.h"
#include "gui/MainWindow.h"
#include "support/ProgramWindows.h"

#include <QString>
#include <gtest/gtest.h>

#include <ostream>

using testing_support::control;

// Texts in failure messages, rather than their bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// The main window in Dutch and the about dialog over a real program folder
// in a temporary folder, with the scripted platform for boxes, dialogs and
// the shell.
class InfoFixture : public ::testing::Test, public testing_support::ProgramWindows {
  protected:
    void SetUp() override {
        form = &mainWindow();
        about = &aboutDialog();
    }

    MainWindow* form = nullptr;
    AboutDialog* about = nullptr;
};
