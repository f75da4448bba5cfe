// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/storm/StormController.h"

#include "core/language/MainTexts.h"
#include "core/program/Folders.h"
#include "core/program/MessageBoxes.h"
#include "core/program/Settings.h"
#include "core/storm/RouteInspection.h"
#include "core/storm/StormInstaller.h"
#include "core/storm/StormRestorer.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Platform.h"

#include <algorithm>
#include <chrono>
#include <ctime>

namespace storm {

namespace {

// Local time as "20260107-143005", for the names of folders set aside.
std::string timeStamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

const char* const kSiblingTitle = "Nevora";

} // namespace

StormController::StormController(platform::Platform& platform, const Folders& folders, const MainTexts& texts,
                                 const MessageBoxes& boxes, StormView& view)
    : m_platform(platform), m_folders(folders), m_texts(texts), m_boxes(boxes), m_view(view) {}

StormFiles& StormController::files() {
    static PlatformStormFiles realFiles;
    return m_files ? *m_files : realFiles;
}

std::optional<std::string> StormController::virtualStore() {
    const auto location = platform::resolvedPath(m_simulatorFolder);
    return location ? m_platform.virtualStoreFolder(*location) : std::nullopt;
}

std::vector<std::string> StormController::reloadRoutes() {
    m_simulatorFolder = settings::readSimulatorFolder(m_folders);
    std::vector<std::string> routes = listRoutes(m_simulatorFolder + "\\Routes");
    // The simulator also sees the routes that an installer without administrator rights left only in the
    // VirtualStore.
    const auto store = virtualStore();
    if (!store) return routes;
    const std::size_t own = routes.size();
    for (const std::string& route : listRoutes(*store + "\\Routes"))
        if (std::none_of(routes.begin(), routes.begin() + own,
                         [&](const std::string& r) { return platform::sameFileName(r, route); }))
            routes.push_back(route);
    if (routes.size() > own) std::stable_sort(routes.begin(), routes.end(), platform::fileNameLess);
    return routes;
}

void StormController::showReport(const StormJournal& journal) {
    m_view.showReport(m_selectedRoute, replacedInVirtualStore(journal));
}

void StormController::checkSiblingProgram() {
    const platform::WindowId window = m_platform.findWindow(kSiblingTitle);
    m_siblingRunning = window != platform::WindowId{};
    if (!m_siblingRunning) return;
    // Not waited for: the next press looks again.
    if (m_boxes.askYesNo(m_texts.siblingRunning, m_texts.warningTitle)) m_platform.postCloseRequest(window);
}

bool StormController::envfilesFolderFound(const std::string& path) {
    if (envfilesEntryExists(path)) return true;
    m_boxes.showError(m_texts.routeNotFound, m_texts.errorTitle);
    return false;
}

bool StormController::rainEnvFilesFound(const std::string& folder) {
    const RainEnvSearch found = findRainEnvFiles(folder);
    m_rainEnvFiles = found.names;
    m_rainEnvByPattern = found.byPattern;
    if (found.found()) return true;
    m_boxes.showError(m_texts.routeUnusable, m_texts.errorTitle);
    return false;
}

void StormController::make(const std::string& routeText) {
    // The make button lies under the hidden selection panel while a storm is installed.
    if (m_journal) return;

    // Route inspection: any refusal ends the press with one box and nothing changed.
    m_view.clearReport();
    m_stormActive = false;
    m_selectedRoute = routeText;
    m_rainEnvFiles = {};
    m_rainEnvByPattern = false;
    m_rainSoundNames = {"rain_in.sms", "rain_ex.sms"};
    checkSiblingProgram();
    if (m_selectedRoute.empty() || m_selectedRoute == m_texts.routePlaceholder) {
        m_boxes.showError(m_texts.noRouteChosen, m_texts.errorTitle);
        return;
    }
    if (m_siblingRunning) return;
    // Every path appends the route to a folder: a text that could leave it names no route.
    if (!isAcceptableRouteName(m_selectedRoute)) {
        m_boxes.showError(m_texts.routeNotFound, m_texts.errorTitle);
        return;
    }
    // A route that lies only in the VirtualStore is changed there, where the simulator finds it.
    const auto store = virtualStore();
    const bool routeInStore = store &&
                              !platform::folderExists(m_simulatorFolder + "\\Routes\\" + m_selectedRoute) &&
                              platform::folderExists(*store + "\\Routes\\" + m_selectedRoute);
    const std::string envfiles =
        (routeInStore ? *store : m_simulatorFolder) + "\\Routes\\" + m_selectedRoute + "\\Envfiles";
    if (!envfilesFolderFound(envfiles)) return;
    if (!rainEnvFilesFound(envfiles + "\\")) return;

    // Installation.
    StormRecord record;
    record.simulatorFolder = m_simulatorFolder;
    record.route = m_selectedRoute;
    record.rainEnvNames = rainEnvNamesToProcess(m_rainEnvFiles, m_rainEnvByPattern);
    record.rainEnvByPattern = m_rainEnvByPattern;
    record.rainSoundNames = m_rainSoundNames;
    record.virtualStoreFolder = store.value_or("");
    record.routeInVirtualStore = routeInStore;
    StormInstaller installer(files(), m_folders.dataHome(), m_stepHook);
    const InstallResult result = installer.install(record);
    switch (result.outcome) {
    case InstallOutcome::Interrupted:
        return;
    case InstallOutcome::Refused:
        // A file that leads elsewhere is named; the route is blamed only when its folder cannot be found.
        if (result.problem)
            m_boxes.showError(m_texts.stormBlocked, m_texts.errorTitle, describe(*result.problem));
        else
            m_boxes.showError(m_texts.routeUnusable, m_texts.errorTitle);
        return;
    case InstallOutcome::BackupFailed:
        m_boxes.showError(m_texts.backupFailed, m_texts.errorTitle);
        return;
    case InstallOutcome::Blocked:
        if (!offerAdministratorRights(*result.problem))
            m_boxes.showError(m_texts.stormBlocked, m_texts.errorTitle, describe(*result.problem));
        return;
    case InstallOutcome::RolledBack:
        m_boxes.showError(m_texts.stormRolledBack, m_texts.errorTitle, describe(*result.problem));
        return;
    case InstallOutcome::RollbackFailed:
        // As after a forced end: the storm is on record and the restore button takes over.
        m_boxes.showError(m_texts.rollbackFailed, m_texts.errorTitle, describe(*result.problem));
        m_journal = result.journal;
        m_journalHome = m_folders.dataHome();
        showReport(result.journal);
        lock();
        return;
    case InstallOutcome::Installed:
        break;
    }
    m_journal = result.journal;
    m_journalHome = m_folders.dataHome();
    showReport(result.journal);
    if (m_stepHook && !m_stepHook({Step::WriteReport})) return;
    lock();
    if (m_stepHook) m_stepHook({Step::Lock});
}

void StormController::restore() {
    if (m_journal) {
        const RestoreResult result = StormRestorer(files(), m_journalHome).restore(*m_journal);
        if (!result.complete()) {
            // Never restored into another folder: the player learns where the storm is.
            if (result.missingSimulator) showWhereTheStormIs(*result.missingSimulator);
            // A storm installed with administrator rights needs them to go again.
            else if (const auto problem = firstRefusal(result.notRestored);
                     problem && offerAdministratorRights(*problem))
                return;
            // Still on record: the player may try again later, or give the storm up
            // with every back-up kept where no later storm overwrites it. A reflex
            // Enter or Escape keeps it.
            std::string paths;
            for (const std::string& path : result.notRestored)
                paths += (paths.empty() ? "" : "\n") + platform::shownPath(path);
            if (!m_boxes.askYesNo(m_texts.restoreIncomplete, m_texts.warningTitle, paths, true)) return;
            const KeptAside kept = keepAside(files(), m_journalHome, timeStamp());
            if (!kept.complete) {
                m_boxes.showError(m_texts.keepAsideFailed, m_texts.errorTitle,
                                  platform::shownPath(kept.backups));
                return;
            }
        }
        m_journal.reset();
    }
    unlock();
    // An older storm that waited behind this one comes next.
    resumeFromJournal();
}

std::string StormController::describe(const FileProblem& problem) const {
    const std::string& why = problem.leadsOutside       ? m_texts.leadsOutside
                             : problem.refusal.notAFile ? m_texts.notAFile
                                                        : problem.refusal.reason;
    return platform::shownPath(problem.path) + (why.empty() ? "" : "\n" + why);
}

bool StormController::offerAdministratorRights(const FileProblem& problem) {
    if (!problem.refusal.accessDenied || !m_platform.mayRestartAsAdministrator()) return false;
    // Yes ends this instance; No, or a refused prompt, leaves everything as it was.
    if (m_boxes.askYesNo(m_texts.needsAdministrator, m_texts.warningTitle, describe(problem)))
        m_platform.restartAsAdministrator();
    return true;
}

std::optional<FileProblem> StormController::firstRefusal(const std::vector<std::string>& paths) {
    for (const std::string& path : paths)
        if (const auto refusal = files().whyRefused(path, platform::Access::Replace))
            return FileProblem{path, *refusal};
    return std::nullopt;
}

void StormController::showWhereTheStormIs(const std::string& simulatorFolder) {
    m_boxes.showError(m_texts.stormElsewhere, m_texts.errorTitle, platform::shownPath(simulatorFolder));
}

void StormController::resumeFromJournal() {
    // The data home may have moved since the storm was installed (the program folder became writable or
    // read-only): a journal in either is a storm still installed, resumed with the back-ups beside it.
    std::vector<std::string> homes;
    for (const std::string& home : m_folders.dataHomes())
        if (files().fileExists(journalPath(home))) homes.push_back(home);
    if (homes.empty()) return;
    if (homes.size() > 1) {
        // The newer storm was installed over the older one, so it goes first; the older waits on record.
        if (platform::lastWriteTime(journalPath(homes[1])) > platform::lastWriteTime(journalPath(homes[0])))
            std::swap(homes[0], homes[1]);
        m_boxes.showInformation(m_texts.olderStormWaits, m_texts.warningTitle,
                                platform::shownPath(journalPath(homes[1])));
    }
    const std::string& dataHome = homes[0];
    const std::string path = journalPath(dataHome);
    const auto text = files().readFile(path);
    const auto journal = text ? StormJournal::parse(*text) : std::nullopt;
    if (!journal) {
        // Nothing can be restored from it; it and the back-ups are kept for the player.
        const KeptAside kept = keepAside(files(), dataHome, timeStamp());
        m_boxes.showError(m_texts.journalDamaged, m_texts.errorTitle,
                          platform::shownPath(kept.complete ? kept.folder : path));
        return;
    }
    m_journal = *journal;
    m_journalHome = dataHome;
    const StormRecord& record = journal->record;
    m_selectedRoute = record.route;
    m_rainEnvFiles = {};
    for (std::size_t i = 0; i < record.rainEnvNames.size() && i < m_rainEnvFiles.size(); ++i)
        m_rainEnvFiles[i] = record.rainEnvNames[i];
    m_rainEnvByPattern = record.rainEnvByPattern;
    m_rainSoundNames = record.rainSoundNames;
    m_view.clearReport();
    showReport(*journal);
    lock();
    // Restoring will not reach it either; the player learns now where the storm is.
    const std::string installedIn = installedSimulatorFolder(*journal);
    if (!platform::folderExists(installedIn)) showWhereTheStormIs(installedIn);
}

bool StormController::mayClose() const {
    if (!m_stormActive) return true;
    m_boxes.showError(m_texts.mayNotClose, m_texts.closeErrorTitle);
    return false;
}

void StormController::lock() {
    m_view.lock();
    m_stormActive = true;
}

void StormController::unlock() {
    m_view.unlock();
    m_stormActive = false;
}

} // namespace storm
