// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppContext.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QPushButton;

// The first-run language window: asks for the language before the main window
// is shown, and remembers that it was answered. Its designer texts are Dutch;
// choosing a language relabels it in that language.
class Tlanguage_form : public QDialog {
    Q_OBJECT
  public:
    explicit Tlanguage_form(AppContext& context);

    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QPushButton* Button1 = nullptr;

    // The language currently chosen in the window.
    std::string ChosenLanguage;

    void FormCreate();
    void FormActivate();
    void ComboBox1Change();
    void Button1Click();

  protected:
    // The window becomes active each time it is shown; the activation handler
    // runs from here, once per showing, because not every platform reports the
    // activation of a window (Qt's offscreen platform does not).
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    // Escape does not close the window: only OK, or the system's close command.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void showPrompt(const std::string& prompt);

    AppContext& context_;
    bool activatedThisShowing_ = false;
};
