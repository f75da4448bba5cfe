// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppContext.h"

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
class TLocatie_form : public QDialog {
    Q_OBJECT
  public:
    explicit TLocatie_form(AppContext& context);

    // Controls, with their designer names.
    QLabel* Label1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button1 = nullptr;

    // The window's fields.
    unsigned char TrainExeMissing = 0; // 1 when the last TestTrainExe found no file
    std::string StoredPath;            // [msts locatie] Pad as read at creation
    std::string WindowLanguage;        // [Programma] Taalkeuze as read at creation
    std::string BrowseText;
    std::string ErrorTitle;
    std::string NotFoundText;
    std::string FoundText;
    std::string FoundTitle;

    // Event handlers.
    void FormCreate();
    void Button1Click();
    void Button2Click();

    // Operations.
    void TestTrainExe(const std::string& path);
    void ProposeFolderFromRegistry();
    void ShowLocationError(const std::string& text, const std::string& title);
    void ShowLocationInfo(const std::string& text, const std::string& title);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createControls();
    void applyTexts(const LocationTexts& texts);
    std::string folderText() const;

    AppContext& context_;
};
