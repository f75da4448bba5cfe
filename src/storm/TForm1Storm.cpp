// The make and restore buttons of the main window, the sibling-program guard,
// and the window's side of a storm that outlived a forced end.
#include "app/MessageFormat.h"
#include "app/TForm1.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/Platform.h"
#include "storm/RouteInspection.h"
#include "storm/StormInstaller.h"
#include "storm/StormRestorer.h"
#include "storm/TForm1StormState.h"

#include <QComboBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <chrono>
#include <ctime>

namespace {

storm::StormFiles& realFiles() {
    static storm::PlatformStormFiles files;
    return files;
}

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

// A path as the user finds it on this machine.
std::string shownPath(const std::string& path) {
    return platform::toHostPath(path).value_or(path);
}

const char* const kSiblingTitle = "Nevora";

} // namespace

TForm1StormState& TForm1::stormState() {
    if (!StormState) StormState = std::make_shared<TForm1StormState>();
    return *StormState;
}

void TForm1::CheckSiblingProgram() {
    const platform::WindowId window = context_.platform.findWindow(kSiblingTitle);
    if (!window) {
        SiblingRunning = false;
        return;
    }
    SiblingRunning = true;
    const std::string question = formatWithEmptyArgument(Texts.Nevora_actief);
    const int answer = context_.platform.messageBox(question, Texts.Titel_waarschuwing,
                                                    platform::mb::YesNo | platform::mb::IconWarning);
    // Not waited for: the next press looks again.
    if (answer == platform::answer::Yes) context_.platform.postCloseRequest(window);
}

void TForm1::CheckEnvfilesFolder(const std::string& path) {
    EnvfilesMissing = false;
    if (!storm::envfilesEntryExists(path)) {
        EnvfilesMissing = true;
        ShowError(Texts.Route_niet_gevonden, Texts.Titel_fout);
    }
}

void TForm1::FindRainEnvFiles(const std::string& folder) {
    NoRainEnvFile = false;
    RainEnvByPattern = false;
    const storm::RainEnvSearch found = storm::findRainEnvFiles(folder);
    RainEnvFiles = found.names;
    RainEnvByPattern = found.byPattern;
    if (!found.found()) {
        NoRainEnvFile = true;
        ShowError(Texts.Route_err, Texts.Titel_fout);
    }
}

void TForm1::Button1Click() {
    TForm1StormState& state = stormState();
    // The make button lies under the hidden panel while a storm is installed.
    if (state.journal) return;

    // Route inspection: any refusal ends the press with one box and nothing changed.
    RichEdit1->clear();
    StormActive = false;
    SelectedRoute = RouteBox->currentText().toStdString();
    RainEnvFiles = {};
    RainSoundNames = {"rain_in.sms", "rain_ex.sms"};
    CheckSiblingProgram();
    if (SelectedRoute.empty() || SelectedRoute == Texts.RoutePlaceholder) {
        ShowError(Texts.Geen_Route, Texts.Titel_fout);
        return;
    }
    if (SiblingRunning) return;
    // Every path appends the route to a folder: a text that could leave it names no route.
    if (!storm::isAcceptableRouteName(SelectedRoute)) {
        ShowError(Texts.Route_niet_gevonden, Texts.Titel_fout);
        return;
    }
    const std::string envfiles = SimulatorFolder + "\\Routes\\" + SelectedRoute + "\\Envfiles";
    CheckEnvfilesFolder(envfiles);
    if (EnvfilesMissing) return;
    FindRainEnvFiles(envfiles + "\\");
    if (NoRainEnvFile) return;

    // Installation.
    storm::StormRecord record;
    record.simulatorFolder = SimulatorFolder;
    record.route = SelectedRoute;
    record.rainEnvNames = storm::rainEnvNamesToProcess(RainEnvFiles, RainEnvByPattern);
    record.rainEnvByPattern = RainEnvByPattern;
    record.rainSoundNames = RainSoundNames;
    storm::StormFiles& files = state.files ? *state.files : realFiles();
    storm::StormInstaller installer(files, context_.folders.ProgramFolder, state.stepHook);
    const storm::InstallResult result = installer.install(record);
    switch (result.outcome) {
    case storm::InstallOutcome::Interrupted:
        return;
    case storm::InstallOutcome::Refused:
        ShowError(Texts.Route_err, Texts.Titel_fout);
        return;
    case storm::InstallOutcome::BackupFailed:
        ShowError(Texts.Backup_fout, Texts.Titel_fout);
        return;
    case storm::InstallOutcome::Installed:
        break;
    }
    state.journal = result.journal;
    writeReport();
    if (state.stepHook && !state.stepHook({storm::Step::WriteReport})) return;
    LockStormState();
    if (state.stepHook) state.stepHook({storm::Step::Lock});
}

void TForm1::Button2Click() {
    TForm1StormState& state = stormState();
    if (state.journal) {
        storm::StormFiles& files = state.files ? *state.files : realFiles();
        const storm::RestoreResult result =
            storm::StormRestorer(files, context_.folders.ProgramFolder).restore(*state.journal);
        if (!result.complete()) {
            // Never restored into another folder: the player learns where the storm is.
            if (result.missingSimulator) showWhereTheStormIs(*result.missingSimulator);
            // Still on record: the user may try again later, or give the storm up
            // with every back-up kept where no later storm overwrites it. A reflex
            // Enter or Escape keeps it.
            std::string question = formatWithEmptyArgument(Texts.Herstel_fout);
            question += "\n";
            for (const std::string& path : result.notRestored)
                question += "\n" + shownPath(path);
            const int answer = context_.platform.messageBox(question, Texts.Titel_waarschuwing,
                                                            platform::mb::YesNo | platform::mb::IconWarning |
                                                                platform::mb::DefaultButton2);
            if (answer != platform::answer::Yes) return;
            const storm::KeptAside kept =
                storm::keepAside(files, context_.folders.ProgramFolder, timeStamp());
            if (!kept.complete) {
                const std::string message =
                    formatWithEmptyArgument(Texts.Bewaren_fout) + "\n\n" + shownPath(kept.backups);
                context_.platform.messageBox(message, Texts.Titel_fout,
                                             platform::mb::Ok | platform::mb::IconError);
                return;
            }
        }
        state.journal.reset();
    }
    UnlockStormState();
}

void TForm1::showWhereTheStormIs(const std::string& simulatorFolder) {
    const std::string message =
        formatWithEmptyArgument(Texts.Storm_elders) + "\n\n" + shownPath(simulatorFolder);
    context_.platform.messageBox(message, Texts.Titel_fout, platform::mb::Ok | platform::mb::IconError);
}

void TForm1::ResumeStormFromJournal() {
    TForm1StormState& state = stormState();
    storm::StormFiles& files = state.files ? *state.files : realFiles();
    const std::string& programFolder = context_.folders.ProgramFolder;
    const std::string path = storm::journalPath(programFolder);
    if (!files.fileExists(path)) return;
    const auto text = files.readFile(path);
    const auto journal = text ? storm::StormJournal::parse(*text) : std::nullopt;
    if (!journal) {
        // Nothing can be restored from it; it and the back-ups are kept for the user.
        const storm::KeptAside kept = storm::keepAside(files, programFolder, timeStamp());
        const std::string message = formatWithEmptyArgument(Texts.Journaal_fout) + "\n\n" +
                                    shownPath(kept.complete ? kept.folder : path);
        context_.platform.messageBox(message, Texts.Titel_fout, platform::mb::Ok | platform::mb::IconError);
        return;
    }
    state.journal = *journal;
    const storm::StormRecord& record = journal->record;
    SelectedRoute = record.route;
    RainEnvFiles = {};
    for (std::size_t i = 0; i < record.rainEnvNames.size() && i < RainEnvFiles.size(); ++i)
        RainEnvFiles[i] = record.rainEnvNames[i];
    RainEnvByPattern = record.rainEnvByPattern;
    RainSoundNames = record.rainSoundNames;
    RichEdit1->clear();
    writeReport();
    LockStormState();
    // Restoring will not reach it either; the player learns now where the storm is.
    const std::string installedIn = storm::installedSimulatorFolder(*journal);
    if (!platform::folderExists(installedIn)) showWhereTheStormIs(installedIn);
}

void TForm1::writeReport() {
    const QColor maroon(128, 0, 0), blue(0, 0, 255), grey(128, 128, 128);
    QTextCharFormat style; // the colour and style in force for new text
    auto boldUnderlined = [&] {
        style.setFontWeight(QFont::Bold);
        style.setFontUnderline(true);
    };
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor cursor(RichEdit1->document());
    bool firstLine = RichEdit1->document()->isEmpty();
    auto addLine = [&](const std::string& text) {
        cursor.movePosition(QTextCursor::End);
        if (firstLine) {
            cursor.setBlockFormat(centred);
            cursor.setBlockCharFormat(style);
            firstLine = false;
        } else {
            cursor.insertBlock(centred, style);
        }
        cursor.insertText(QString::fromStdString(text), style);
    };
    const std::string hyphens(33, '-');

    QPalette palette = RichEdit1->palette();
    palette.setColor(QPalette::Text, maroon);
    RichEdit1->setPalette(palette);
    style.setForeground(maroon);
    boldUnderlined();
    addLine(Texts.ReportHeading);
    addLine("");
    style.setForeground(blue);
    addLine(hyphens);
    boldUnderlined();
    addLine(Texts.ReportRouteLabel);
    style.setForeground(grey);
    addLine(SelectedRoute);
    style.setForeground(blue);
    addLine(hyphens);
    boldUnderlined();
    RichEdit1->setTextCursor(cursor);
    RichEdit1->setCurrentCharFormat(style);
}
