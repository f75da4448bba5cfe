// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "gui/AppContext.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QPushButton;

// The first-run language window: asks for the language before the main window
// is shown, and remembers that it was answered. Its designer texts are Dutch;
// choosing a language relabels it in that language.
class LanguageWindow : public QDialog {
    Q_OBJECT
  public:
    explicit LanguageWindow(AppContext& context);

    // At creation: shown modally, unless the question was answered before and a language is stored.
    void initialise();
    // The OK button: stores the choice and closes the window.
    void confirm();
    // The language currently chosen in the window.
    const std::string& chosenLanguage() const { return m_chosenLanguage; }

  Q_SIGNALS:
    // Sent before the window closes with OK: the main window takes up the language.
    void languageChosen(const std::string& language);

  protected:
    // The window becomes active each time it is shown; the activation handler
    // runs from here, once per showing, because not every platform reports the
    // activation of a window (Qt's offscreen platform does not).
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Escape does not close the window: only OK, or the system's close command.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onActivated();
    void languageTextChanged();
    void showPrompt(const std::string& prompt);

    // The controls; each keeps its designer name as its object name.
    QLabel* m_promptLabel = nullptr;    // Label1
    QComboBox* m_languageBox = nullptr; // ComboBox1
    QPushButton* m_okButton = nullptr;  // Button1
    std::string m_chosenLanguage;

    AppContext& m_context;
    bool m_activatedThisShowing = false;
};
