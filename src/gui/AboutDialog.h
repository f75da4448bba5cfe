// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "gui/AppContext.h"

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
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    AboutDialog(AppContext& context, QWidget* parent);

    // The language of the texts from the next showing on: the main window's.
    void setLanguage(const std::string& language);
    // Sets the dialog's seven texts for `language`.
    void applyTexts(const std::string& language);
    void setVisible(bool visible) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void onShown();
    void acknowledge();

    // The controls; each keeps its designer name as its object name.
    BevelPanel* m_panel = nullptr;     // Panel1
    PictureBox* m_emblem = nullptr;    // Image2
    QLabel* m_productName = nullptr;   // ProductName
    QLabel* m_version = nullptr;       // Version
    QLabel* m_webLabel = nullptr;      // Web
    LinkLabel* m_webLink = nullptr;    // WebLink
    QLabel* m_mailLabel = nullptr;     // Mail
    LinkLabel* m_mailLink = nullptr;   // Mail_adres
    PictureBox* m_cloud = nullptr;     // Image1
    QPushButton* m_okButton = nullptr; // OKButton

    AppContext& m_context;
    std::string m_language; // the main window's language
    bool m_placed = false;  // centred once; later showings keep the place it was left at
};
