// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/storm/StormFiles.h"
#include "core/storm/StormJournal.h"
#include "core/storm/StormObstacles.h"
#include "core/storm/StormSteps.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct Folders;
class MessageBoxes;
struct MainTexts;
namespace platform {
class Platform;
}

namespace storm {

// What the storm asks of the main window.
class StormView {
  public:
    virtual ~StormView() = default;
    virtual void clearReport() = 0;
    // Adds the report of the storm just installed on `route` below what the report holds, with the files
    // it replaced in the VirtualStore (paths inside it), where there were any.
    virtual void showReport(const std::string& route, const std::vector<std::string>& inVirtualStore) = 0;
    // The Storm installed state: the window hides the route selection and refuses to close.
    virtual void lock() = 0;
    // Back to the Selecting state, with an empty report.
    virtual void unlock() = 0;
};

// The storm as the player drives it: inspecting the chosen route, installing
// the storm, locking the window, restoring every file, and taking up a storm
// that a forced end left installed. Every refusal is one box with nothing changed.
class StormController {
  public:
    StormController(platform::Platform& platform, const Folders& folders, const MainTexts& texts,
                    const MessageBoxes& boxes, StormView& view);

    // Reads the simulator folder from the settings again and lists its routes
    // in the order the file system gives them, with those that lie only in its
    // VirtualStore sorted in as the simulator sees them.
    std::vector<std::string> reloadRoutes();
    // The make button, with the text of the route box.
    void make(const std::string& routeText);
    // The restore button.
    void restore();
    // At start-up, and after a restore: a journal in a data folder means a storm is still installed.
    void resumeFromJournal();
    // Looks for the sibling program and offers to close it.
    void checkSiblingProgram();
    // Every request to close the main window asks here; refused, with a box, while a storm is installed.
    bool mayClose() const;

    bool isStormActive() const { return m_stormActive; }
    bool isSiblingRunning() const { return m_siblingRunning; }
    const std::string& simulatorFolder() const { return m_simulatorFolder; }
    const std::string& selectedRoute() const { return m_selectedRoute; }
    const std::array<std::string, 4>& rainEnvFiles() const { return m_rainEnvFiles; }
    bool rainEnvByPattern() const { return m_rainEnvByPattern; }
    // The storm installed now, as its journal records it; none in the Selecting state.
    const std::optional<StormJournal>& journal() const { return m_journal; }

    // Test seams: the files the storm works on (none: the real ones), and a
    // hook called after each installation step; returning false ends the installation there.
    void setFiles(StormFiles* files) { m_files = files; }
    void setStepHook(StepHook hook) { m_stepHook = std::move(hook); }

  private:
    StormFiles& files();
    // The simulator folder's VirtualStore counterpart, on Windows under Program Files.
    std::optional<std::string> virtualStore();
    void showReport(const StormJournal& journal);
    bool envfilesFolderFound(const std::string& path);
    bool rainEnvFilesFound(const std::string& folder);
    void lock();
    void unlock();
    // Tells the player that the storm is installed in a simulator folder that is not there now.
    void showWhereTheStormIs(const std::string& simulatorFolder);
    // The path as the player finds it, and why it could not be read or changed.
    std::string describe(const FileProblem& problem) const;
    // Where missing rights stand in the way and could be had, asks to start again as administrator;
    // true when it asked.
    bool offerAdministratorRights(const FileProblem& problem);
    // The first of the paths that cannot be replaced now, and why.
    std::optional<FileProblem> firstRefusal(const std::vector<std::string>& paths);

    platform::Platform& m_platform;
    const Folders& m_folders;
    const MainTexts& m_texts;
    const MessageBoxes& m_boxes;
    StormView& m_view;

    std::string m_simulatorFolder;
    std::string m_selectedRoute;
    std::array<std::string, 4> m_rainEnvFiles;
    std::array<std::string, 2> m_rainSoundNames;
    bool m_rainEnvByPattern = false;
    bool m_stormActive = false;
    bool m_siblingRunning = false;
    std::optional<StormJournal> m_journal;
    std::string m_journalHome; // the data home that holds m_journal's file and back-ups
    StormFiles* m_files = nullptr;
    StepHook m_stepHook;
};

} // namespace storm
