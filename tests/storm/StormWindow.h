// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "StormFixture.h"
#include "core/storm/StormFiles.h"
#include "core/storm/StormSteps.h"
#include "gui/MainWindow.h"
#include "support/ProgramWindows.h"

#include <QColor>

#include <string>
#include <vector>

namespace storm_test {

// Writes the settings file: the language, its window answered, the simulator folder.
void writeSettings(const StormFixture& fx, const std::string& language = "Nederlands");

// The main window as a start of the program makes it (creation, a storm found
// on disk, first activation), on the fixture's folders.
class StormWindow {
  public:
    StormWindow(const StormFixture& fx, testing_support::ScriptedPlatform& platform,
                storm::StormFiles* files = nullptr, storm::StepHook hook = {});
    // The same over folders of the test's own.
    StormWindow(const Folders& folders, testing_support::ScriptedPlatform& platform,
                storm::StormFiles* files = nullptr, storm::StepHook hook = {});
    ~StormWindow();

    MainWindow& form() { return *m_form; }
    MainWindow* operator->() { return m_form; }

    // Types the route into the box and presses the make button.
    void make(const std::string& route);
    // Presses the restore button.
    void restore();

    // Every aspect of the Storm installed state; false for any of the Selecting one.
    bool locked() const;
    bool selecting() const;

    struct ReportLine {
        std::string text;
        QColor colour;
        bool bold = false;
        bool underlined = false;
        bool centred = false;
        bool operator==(const ReportLine&) const = default;
    };
    std::vector<ReportLine> report() const;

  private:
    testing_support::ProgramWindows m_windows;
    MainWindow* m_form = nullptr;
};

} // namespace storm_test
