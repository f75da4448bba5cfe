// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "gui/AppContext.h"

#include <QDialog>

#include <string>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct LocationTexts;

// The simulator location window: on start-up, when train.exe is not found in
// the stored simulator folder, it proposes a folder, asks for one and stores
// it once train.exe is found there. Otherwise it is never shown.
class SimulatorFolderWindow : public QDialog {
    Q_OBJECT
  public:
    explicit SimulatorFolderWindow(AppContext& context);

    // At creation: shown modally when train.exe is not in the stored simulator folder.
    void initialise();
    // The continue button: stores the folder once train.exe is found in it.
    void confirmFolder();
    // The browse button: the folder browser fills the folder box.
    void browse();
    // Looks for train.exe at `path`.
    void checkTrainExe(const std::string& path);

    bool trainExeMissing() const { return m_trainExeMissing == 1; }
    const std::string& storedPath() const { return m_storedPath; }
    const std::string& windowLanguage() const { return m_language; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void proposeFolderFromRegistry();
    void proposeFolderFromOtherPrefixes();
    void showOtherFolders();
    void applyTexts(const LocationTexts& texts);
    std::string folderText() const;

    // The controls; each keeps its designer name as its object name.
    QLabel* m_explanationLabel = nullptr;    // Label1
    QGroupBox* m_folderGroup = nullptr;      // GroupBox1
    QLineEdit* m_folderEdit = nullptr;       // Edit1
    QPushButton* m_browseButton = nullptr;   // Button2
    QPushButton* m_continueButton = nullptr; // Button1

    unsigned char m_trainExeMissing = 0; // 1 when the last checkTrainExe found no file
    std::string m_storedPath;            // [msts locatie] Pad as read at creation
    std::string m_language;              // [Programma] Taalkeuze as read at creation
    std::string m_browseText;
    std::string m_errorTitle;
    std::string m_notFoundText;
    std::string m_foundText;
    std::string m_foundTitle;
    std::string m_unstorableText;

    AppContext& m_context;
};
