// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/help/HelpController.h"
#include "core/language/LanguageController.h"
#include "core/program/MessageBoxes.h"
#include "core/storm/StormController.h"
#include "gui/AppContext.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QActionGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QTextEdit;
class WindowActivation;

// The main window: the route box and the make button in the Selecting state;
// the completion text, the report and the restore button in the Storm
// installed state, when it refuses to close until the simulator's files are
// restored. What its controls do is decided by the storm, language and help
// controllers; the window shows what they ask it to.
class MainWindow : public QMainWindow,
                   public storm::StormView,
                   public lang::LanguageView,
                   public help::HelpView {
    Q_OBJECT
  public:
    explicit MainWindow(AppContext& context);
    ~MainWindow() override;

    // At creation: the language menu, the stored language and the sibling check.
    void initialise();
    // At start-up: a storm that a forced end left installed opens the window locked.
    void resumeStormFromJournal();
    // Each time the window becomes active: the simulator folder and its routes, read again.
    void reloadRoutes();
    // The language the first-run language window settled on.
    void adoptLanguage(const std::string& name);

    // What the controls and the menu do.
    void makeStorm();
    void restoreStorm();
    void chooseLanguage(QAction* item);
    void showHelp();
    void showAbout();
    // Every request to close the window asks here first.
    bool mayClose();

    storm::StormController& storm() { return m_storm; }
    lang::LanguageController& language() { return m_language; }
    const MainTexts& texts() const { return m_language.texts(); }
    // Tracks which window is active; start-up registers the other windows with it.
    WindowActivation& activation() { return *m_activation; }

    // What the controllers ask of the window.
    // storm::StormView
    void clearReport() override;
    void showReport(const std::string& route, const std::vector<std::string>& inVirtualStore) override;
    void lock() override;
    void unlock() override;
    // lang::LanguageView
    void setCaption(TextTarget target, const std::string& text) override;
    void addLanguageItem(const std::string& name, bool checked) override;
    void checkBuiltInLanguageItem() override;
    void languageApplied(const std::string& language) override;
    // help::HelpView
    int askHelpLanguage(const std::string& question, const std::string& title) override;

  Q_SIGNALS:
    void aboutRequested();
    void languageChanged(const QString& language);

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void createMenu();
    void setBorderIcons(bool withSystemMenu);
    void fillRouteList(const std::vector<std::string>& routes);
    // Runs a handler inside the error guard.
    bool guarded(const std::function<void()>& handler) { return m_context.guard.run(handler); }

    AppContext& m_context;
    MessageBoxes m_boxes;
    lang::LanguageController m_language;
    storm::StormController m_storm;
    help::HelpController m_help;
    WindowActivation* m_activation = nullptr;
    bool m_centred = false; // placed in the centre of the screen on the first show

    // The controls, in creation order; each keeps its designer name as its object name.
    QLabel* m_completionLabel = nullptr;    // Label3
    QPushButton* m_restoreButton = nullptr; // Button2
    QTextEdit* m_report = nullptr;          // RichEdit1
    QFrame* m_selectionPanel = nullptr;     // Panel1, over the three above
    QLabel* m_background = nullptr;         // Image1
    QGroupBox* m_routeGroup = nullptr;      // GroupBox1
    QLabel* m_routePrompt = nullptr;        // Label1
    QComboBox* m_routeBox = nullptr;        // RouteBox
    QPushButton* m_makeButton = nullptr;    // Button1
    // The main menu.
    QMenu* m_fileMenu = nullptr;             // Bestand1
    QAction* m_quitAction = nullptr;         // afsluiten1
    QMenu* m_optionsMenu = nullptr;          // Opties1
    QMenu* m_languageMenu = nullptr;         // Taal1
    QAction* m_dutchAction = nullptr;        // Nederlands1
    QActionGroup* m_languageGroup = nullptr; // the radio group of the language menu
    QMenu* m_helpMenu = nullptr;             // Help1
    QAction* m_helpContentsAction = nullptr; // Help2
    QAction* m_aboutAction = nullptr;        // Info1
};
