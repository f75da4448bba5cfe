// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/LanguageWindow.h"

#include "core/language/LanguageFiles.h"
#include "core/language/MainTextTable.h"
#include "core/program/Settings.h"
#include "gui/Caption.h"
#include "gui/widgets/DesignFont.h"
#include "platform/Platform.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr const char* kDutchTitle = "Kies uw taal";
constexpr const char* kDutchPrompt = "Selecteer de taal welke Brontara moet gebruiken.";

} // namespace

LanguageWindow::LanguageWindow(AppContext& context) : QDialog(nullptr), m_context(context) {
    setObjectName(QStringLiteral("language_form"));
    // No system menu, so no close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Kies uw taal ")); // the designer caption keeps its trailing blank
    setFont(designFont());
    setFixedSize(237, 117);

    m_promptLabel = new QLabel(this);
    m_promptLabel->setObjectName(QStringLiteral("Label1"));
    m_promptLabel->setGeometry(8, 8, 210, 26);
    m_promptLabel->setWordWrap(true);
    m_promptLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_languageBox = new QComboBox(this);
    m_languageBox->setObjectName(QStringLiteral("ComboBox1"));
    m_languageBox->setGeometry(8, 48, 217, 21);
    m_languageBox->setEditable(true);
    // What is typed is the choice as it stands: no completion to a listed
    // name, and Enter does not add the typed text to the list.
    m_languageBox->setCompleter(nullptr);
    m_languageBox->setInsertPolicy(QComboBox::NoInsert);
    m_languageBox->addItem(QStringLiteral("Nederlands"));
    m_languageBox->setEditText(QStringLiteral("Nederlands"));
    showPrompt(kDutchPrompt);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("Button1"));
    m_okButton->setGeometry(88, 80, 75, 25);

    // The text changes when an item is picked and when the user types.
    connect(m_languageBox, &QComboBox::editTextChanged, this,
            [this] { m_context.guard.run([this] { languageTextChanged(); }); });
    connect(m_okButton, &QPushButton::clicked, this, [this] { m_context.guard.run([this] { confirm(); }); });
    m_languageBox->setFocus();
}

void LanguageWindow::initialise() {
    m_chosenLanguage = std::string(kBuiltInLanguage);
    const bool answered = settings::readLanguageAnswered(m_context.folders);
    const std::string stored = settings::readLanguage(m_context.folders);
    if (answered && !stored.empty()) return;
    m_context.platform.execModal(*this);
}

void LanguageWindow::onActivated() {
    // The list keeps what it holds: the designer's "Nederlands" comes first.
    for (const std::string& name : lang::listLanguages(m_context.folders.languagesFolder()))
        m_languageBox->addItem(QString::fromStdString(name));
}

void LanguageWindow::languageTextChanged() {
    m_chosenLanguage = m_languageBox->currentText().toStdString();
    if (m_chosenLanguage != kBuiltInLanguage) {
        showPrompt(lang::readText(m_context.folders, m_chosenLanguage, "Taal Scherm", "label1"));
        setWindowTitle(
            windowCaption(lang::readText(m_context.folders, m_chosenLanguage, "Taal Scherm", "titel")));
        m_okButton->setText(QString::fromStdString(
            lang::readText(m_context.folders, m_chosenLanguage, "Taal Scherm", "button1")));
    } else {
        // The built-in language has no text for the button: it keeps its caption.
        setWindowTitle(QString::fromUtf8(kDutchTitle));
        showPrompt(kDutchPrompt);
    }
}

void LanguageWindow::showPrompt(const std::string& prompt) {
    setLabelCaption(m_promptLabel, prompt);
    // The prompt names the language box for a screen reader.
    m_languageBox->setAccessibleName(captionWithoutAccessKey(prompt));
}

void LanguageWindow::confirm() {
    settings::writeLanguageAnswered(m_context.folders);
    settings::writeLanguage(m_context.folders, m_chosenLanguage);
    Q_EMIT languageChosen(m_chosenLanguage);
    done(QDialog::Accepted);
}

void LanguageWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_activatedThisShowing) {
        m_activatedThisShowing = true;
        m_context.guard.run([this] { onActivated(); });
    }
}

void LanguageWindow::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // Minimising hides the window spontaneously; only a real hide ends the showing.
    if (!event->spontaneous()) m_activatedThisShowing = false;
}

void LanguageWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
