// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/TzktInfoDlg.h"

#include "app/DesignFont.h"
#include "app/TForm1.h"
#include "info/AboutTexts.h"
#include "info/BevelPanel.h"
#include "info/LinkLabel.h"
#include "info/PictureBox.h"
#include "info/ProjectLinks.h"
#include "info/ScreenCentre.h"
#include "lang/Caption.h"
#include "lang/MainTextTable.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

const QColor kBackground(49, 106, 197);
const QColor kHoverFont(255, 128, 64);

QLabel* boldLabel(const char* name, int x, int y, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(designFont(8, true));
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(p);
    label->move(x, y);
    return label;
}

LinkLabel* link(AppContext& context, const char* name, const QRect& place, LinkType type,
                std::string_view address, QWidget* parent) {
    auto* label = new LinkLabel(context, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    QFont f = designFont(8, true);
    f.setUnderline(true);
    label->setFont(f);
    label->setFontColor(Qt::blue);
    label->setHoverColor(Qt::white);
    label->setHoverFontColor(kHoverFont);
    label->setShowShadow(true);
    label->setTransparent(true);
    label->setLinkType(type);
    label->setLinkedAddress(std::string(address));
    label->setLinkActive(true);
    label->setAutoSize(true);
    return label;
}

void setLabelText(QLabel* label, const std::string& text) {
    setLabelCaption(label, text);
    label->adjustSize();
}

} // namespace

TzktInfoDlg::TzktInfoDlg(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      context_(context) {
    setObjectName(QStringLiteral("zktInfoDlg"));
    setModal(false);
    setFont(designFont(8));
    setFixedSize(337, 213);
    QPalette p = palette();
    p.setColor(QPalette::Window, kBackground);
    setPalette(p);
    setAutoFillBackground(true);
    createControls();
}

void TzktInfoDlg::createControls() {
    Panel1 = new BevelPanel(Qt::white, this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 321, 161);

    Image2 = new PictureBox(QStringLiteral("emblem"), Panel1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(-8, 8, 120, 130);
    Image2->setStretch(true);
    Image2->setTransparent(true);
    Image2->setAccessibleName(
        QStringLiteral("Embleem van Brontara: onweerswolk en bliksem boven een spoorlijn"));

    ProductName = boldLabel("ProductName", 120, 24, Panel1);
    Version = boldLabel("Version", 120, 40, Panel1);
    Web = boldLabel("Web", 120, 64, Panel1);
    // Its caption is the address itself, the same in every language.
    WebLink =
        link(context_, "WebLink", {160, 64, 110, 14}, LinkType::Web, project_links::kWebAddress, Panel1);
    WebLink->setCaption(QString::fromUtf8(project_links::kWebCaption));
    Mail = boldLabel("Mail", 120, 80, Panel1);
    Mail_adres =
        link(context_, "Mail_adres", {168, 80, 95, 14}, LinkType::EMail, project_links::kMailAddress, Panel1);

    Image1 = new PictureBox(QStringLiteral("cloud"), Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(168, 96, 48, 48);
    Image1->setTransparent(true);
    Image1->setAccessibleName(QStringLiteral("Onweerswolk met bliksem boven MSTS"));

    OKButton = new QPushButton(this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(128, 176, 90, 27);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this,
            [this] { context_.guard.run([this] { OKButtonClick(); }); });

    setTabOrder(OKButton, WebLink);
    setTabOrder(WebLink, Mail_adres);
    ApplyAboutTexts(std::string(kBuiltInLanguage));
}

void TzktInfoDlg::ApplyAboutTexts(const std::string& language) {
    const AboutTexts texts = aboutTextsFor(context_.folders, language);
    setWindowTitle(windowCaption(texts.caption));
    setLabelText(ProductName, texts.productName);
    setLabelText(Version, texts.version);
    setLabelText(Web, texts.web);
    setLabelText(Mail, texts.mail);
    Mail_adres->setCaption(captionWithoutAccessKey(texts.mailAddress));
    OKButton->setText(QString::fromStdString(texts.okButton));
}

void TzktInfoDlg::FormShow() {
    ApplyAboutTexts(context_.Form1 ? context_.Form1->CurrentLanguage : std::string(kBuiltInLanguage));
}

void TzktInfoDlg::OKButtonClick() {
    close();
}

void TzktInfoDlg::setVisible(bool visible) {
    if (visible && !placed_) {
        placed_ = true;
        centreOnScreen(this, parentWidget()); // from now on it stays where the user leaves it
    }
    QDialog::setVisible(visible);
}

void TzktInfoDlg::showEvent(QShowEvent* event) {
    // Only a real showing sets the texts, not a restore from the taskbar.
    if (!event->spontaneous()) context_.guard.run([this] { FormShow(); });
    QDialog::showEvent(event);
    // The OK button has the focus, as before the links could take it: Enter
    // closes the dialog, and Tab goes on to the links.
    if (!event->spontaneous()) OKButton->setFocus();
}
