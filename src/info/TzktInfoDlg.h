// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "app/AppContext.h"

#include <QDialog>

#include <string>

class BevelPanel;
class LinkLabel;
class PictureBox;
class QLabel;
class QPushButton;

// The about dialog: product, version and two links, shown without blocking the
// main window. Its texts follow the main window's language each time it is
// shown; closing only hides it.
class TzktInfoDlg : public QDialog {
    Q_OBJECT
  public:
    TzktInfoDlg(AppContext& context, QWidget* parent);

    // Controls, with their designer names.
    BevelPanel* Panel1 = nullptr;
    PictureBox* Image2 = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Web = nullptr;
    LinkLabel* WebLink = nullptr;
    QLabel* Mail = nullptr;
    LinkLabel* Mail_adres = nullptr;
    PictureBox* Image1 = nullptr;
    QPushButton* OKButton = nullptr;

    // Event handlers.
    void FormShow();
    void OKButtonClick();

    // Sets the dialog's seven texts for `language`.
    void ApplyAboutTexts(const std::string& language);

    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();

    AppContext& context_;
    bool placed_ = false; // centred once; later showings keep the place it was left at
};
