// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppContext.h"
#include "app/TForm1.h"
#include "info/TzktInfoDlg.h"
#include "support/ScriptedPlatform.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QString>

#include <memory>
#include <ostream>
#include <string>

// Texts in failure messages, rather than their bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

// A main window and the about dialog over a real program folder in a
// temporary folder, with the scripted platform for boxes, dialogs and the
// shell. The main window speaks Dutch.
class InfoFixture : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // The program folder as the program names it, with its trailing separator.
    std::string programFolder() const { return tmp / "prog/"; }
    // Writes a language file into the program's languages folder.
    void writeLanguage(const std::string& name, const std::string& content) const;
    // Runs the event loop a few times, so that show, hide and activation settle.
    static void settle();

    testing_support::TempDir tmp;
    testing_support::ScriptedPlatform platform;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TzktInfoDlg> about;
};
