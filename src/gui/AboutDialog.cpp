// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/AboutDialog.h"

#include "core/help/AboutTexts.h"
#include "core/help/ProjectLinks.h"
#include "core/language/MainTextTable.h"
#include "gui/Caption.h"
#include "gui/widgets/BevelPanel.h"
#include "gui/widgets/DesignFont.h"
#include "gui/widgets/LinkLabel.h"
#include "gui/widgets/PictureBox.h"
#include "gui/widgets/ScreenCentre.h"

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
    auto* label = new LinkLabel(context.platform, context.guard, parent);
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

AboutDialog::AboutDialog(AppContext& context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_context(context) {
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

void AboutDialog::createControls() {
    m_panel = new BevelPanel(Qt::white, this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setGeometry(8, 8, 321, 161);

    m_emblem = new PictureBox(QStringLiteral("emblem"), m_panel);
    m_emblem->setObjectName(QStringLiteral("Image2"));
    m_emblem->setGeometry(-8, 8, 120, 130);
    m_emblem->setStretch(true);
    m_emblem->setTransparent(true);
    m_emblem->setAccessibleName(
        QStringLiteral("Embleem van Brontara: onweerswolk en bliksem boven een spoorlijn"));

    m_productName = boldLabel("ProductName", 120, 24, m_panel);
    m_version = boldLabel("Version", 120, 40, m_panel);
    m_webLabel = boldLabel("Web", 120, 64, m_panel);
    // Its caption is the address itself, the same in every language.
    m_webLink =
        link(m_context, "WebLink", {160, 64, 110, 14}, LinkType::Web, project_links::kWebAddress, m_panel);
    m_webLink->setCaption(QString::fromUtf8(project_links::kWebCaption));
    m_mailLabel = boldLabel("Mail", 120, 80, m_panel);
    m_mailLink = link(m_context, "Mail_adres", {168, 80, 95, 14}, LinkType::EMail,
                      project_links::kMailAddress, m_panel);

    m_cloud = new PictureBox(QStringLiteral("cloud"), m_panel);
    m_cloud->setObjectName(QStringLiteral("Image1"));
    m_cloud->setGeometry(168, 96, 48, 48);
    m_cloud->setTransparent(true);
    m_cloud->setAccessibleName(QStringLiteral("Onweerswolk met bliksem boven MSTS"));

    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("OKButton"));
    m_okButton->setGeometry(128, 176, 90, 27);
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this,
            [this] { m_context.guard.run([this] { acknowledge(); }); });

    setTabOrder(m_okButton, m_webLink);
    setTabOrder(m_webLink, m_mailLink);
    m_language = std::string(kBuiltInLanguage);
    applyTexts(m_language);
}

void AboutDialog::applyTexts(const std::string& language) {
    const AboutTexts texts = aboutTextsFor(m_context.folders, language);
    setWindowTitle(windowCaption(texts.caption));
    setLabelText(m_productName, texts.productName);
    setLabelText(m_version, texts.version);
    setLabelText(m_webLabel, texts.web);
    setLabelText(m_mailLabel, texts.mail);
    m_mailLink->setCaption(captionWithoutAccessKey(texts.mailAddress));
    m_okButton->setText(QString::fromStdString(texts.okButton));
}

void AboutDialog::setLanguage(const std::string& language) {
    m_language = language;
}

void AboutDialog::onShown() {
    applyTexts(m_language);
}

void AboutDialog::acknowledge() {
    close();
}

void AboutDialog::setVisible(bool visible) {
    if (visible && !m_placed) {
        m_placed = true;
        centreOnScreen(this, parentWidget()); // from now on it stays where the user leaves it
    }
    QDialog::setVisible(visible);
}

void AboutDialog::showEvent(QShowEvent* event) {
    // Only a real showing sets the texts, not a restore from the taskbar.
    if (!event->spontaneous()) m_context.guard.run([this] { onShown(); });
    QDialog::showEvent(event);
    // The OK button has the focus, as before the links could take it: Enter
    // closes the dialog, and Tab goes on to the links.
    if (!event->spontaneous()) m_okButton->setFocus();
}
