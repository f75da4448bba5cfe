#pragma once
#include "app/AppContext.h"
#include "info/MessageDialogKinds.h"
#include "lang/MainTexts.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <string>

class QAction;
class QActionGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTextEdit;
class FormActivation;

// The main window: route selection and make button in the Selecting state;
// completion text, report and restore button in the Storm installed state,
// when it refuses to close until the simulator's files are restored.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(AppContext& context);
    ~TForm1() override;

    // Controls, with their designer names, in creation order.
    QLabel* Label3 = nullptr;
    QPushButton* Button2 = nullptr;
    QTextEdit* RichEdit1 = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* RouteBox = nullptr;
    QPushButton* Button1 = nullptr;
    // The main menu.
    QMenu* Bestand1 = nullptr;
    QAction* afsluiten1 = nullptr;
    QMenu* Opties1 = nullptr;
    QMenu* Taal1 = nullptr;
    QAction* Nederlands1 = nullptr;
    QActionGroup* TaalGroup = nullptr; // the radio group of Taal1's items
    QMenu* Help1 = nullptr;
    QAction* Help2 = nullptr;
    QAction* N1 = nullptr;
    QAction* Info1 = nullptr;

    // The window's fields.
    std::string SimulatorFolder;
    std::string SelectedRoute;
    bool StormActive = false;
    bool NoRainEnvFile = false;
    bool EnvfilesMissing = false;
    std::array<std::string, 4> RainEnvFiles;
    std::array<std::string, 2> RainSoundNames;
    bool RainEnvByPattern = false;
    MainTexts Texts;
    bool SiblingRunning = false;
    std::string CurrentLanguage;

    // Event handlers.
    void afsluiten1Click();
    void Info1Click();
    void FormCreate();
    void LanguageClick(QAction* sender);
    void Button1Click();
    void FormActivate();
    // Sets canClose; every request to close the window passes here.
    void FormCloseQuery(bool& canClose);
    void Help2Click();
    void Button2Click();

    // Operations.
    void FillRouteList(const std::string& folder, QComboBox* box);
    void ShowError(const std::string& message, const std::string& title);
    void ApplyLanguage(const std::string& name);
    void ValidateLanguage(const std::string& language, const std::string& program);
    void LoadLanguageOrDefault(const std::string& name);
    void BuildLanguageMenu(const std::string& path);
    void CheckEnvfilesFolder(const std::string& path);
    void FindRainEnvFiles(const std::string& folder);
    void CheckSiblingProgram();
    // Asks in a standard message dialog whose buttons name languages; returns
    // the dialog result (Yes 6, No 7, Cancel 2).
    int AskHelpLanguage(const std::string& message, DialogType type, DialogButtons buttons);

    // The two window states: Selecting and Storm installed.
    void LockStormState();
    void UnlockStormState();

    // Storm installation state
    // The storm installed now, as its journal records it, and the seams tests
    // use (storm/TForm1StormState.h).
    std::shared_ptr<struct TForm1StormState> StormState;
    TForm1StormState& stormState();
    // Opens the window in the Storm installed state when the data folder holds
    // the journal of a storm that a forced end left in the simulator.
    void ResumeStormFromJournal();

    // Runs a handler inside the error guard.
    bool guarded(const std::function<void()>& handler) { return context_.guard.run(handler); }
    AppContext& context() { return context_; }
    // Tracks which form is active; start-up registers the other forms with it.
    FormActivation& activation() { return *activation_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createMenu();
    void setBorderIcons(bool withSystemMenu);
    void writeReport();
    // Tells the player that the storm is installed in a simulator folder that is not there now.
    void showWhereTheStormIs(const std::string& simulatorFolder);

    AppContext& context_;
    FormActivation* activation_ = nullptr;
    bool centred_ = false; // placed in the centre of the screen on the first show
};
