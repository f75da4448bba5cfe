// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/Tlanguage_form.h"

#include "app/DesignFont.h"
#include "app/Settings.h"
#include "app/TForm1.h"
#include "lang/Caption.h"
#include "lang/LanguageFiles.h"
#include "lang/MainTextTable.h"
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

Tlanguage_form::Tlanguage_form(AppContext& context) : QDialog(nullptr), context_(context) {
    setObjectName(QStringLiteral("language_form"));
    // No system menu, so no close box in the title bar.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Kies uw taal ")); // the designer caption keeps its trailing blank
    setFont(designFont());
    setFixedSize(237, 117);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 210, 26);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(8, 48, 217, 21);
    ComboBox1->setEditable(true);
    // What is typed is the choice as it stands: no completion to a listed
    // name, and Enter does not add the typed text to the list.
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ComboBox1->addItem(QStringLiteral("Nederlands"));
    ComboBox1->setEditText(QStringLiteral("Nederlands"));
    showPrompt(kDutchPrompt);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(88, 80, 75, 25);

    // The text changes when an item is picked and when the user types.
    connect(ComboBox1, &QComboBox::editTextChanged, this,
            [this] { context_.guard.run([this] { ComboBox1Change(); }); });
    connect(Button1, &QPushButton::clicked, this, [this] { context_.guard.run([this] { Button1Click(); }); });
    ComboBox1->setFocus();
}

void Tlanguage_form::FormCreate() {
    ChosenLanguage = std::string(kBuiltInLanguage);
    const bool answered = settings::readLanguageAnswered(context_.folders);
    const std::string stored = settings::readLanguage(context_.folders);
    if (answered && !stored.empty()) return;
    context_.platform.execModal(*this);
}

void Tlanguage_form::FormActivate() {
    // The list keeps what it holds: the designer's "Nederlands" comes first.
    for (const std::string& name : lang::listLanguages(context_.folders.LanguagesFolder()))
        ComboBox1->addItem(QString::fromStdString(name));
}

void Tlanguage_form::ComboBox1Change() {
    ChosenLanguage = ComboBox1->currentText().toStdString();
    if (ChosenLanguage != kBuiltInLanguage) {
        showPrompt(lang::readText(context_.folders, ChosenLanguage, "Taal Scherm", "label1"));
        setWindowTitle(
            windowCaption(lang::readText(context_.folders, ChosenLanguage, "Taal Scherm", "titel")));
        Button1->setText(QString::fromStdString(
            lang::readText(context_.folders, ChosenLanguage, "Taal Scherm", "button1")));
    } else {
        // The built-in language has no text for the button: it keeps its caption.
        setWindowTitle(QString::fromUtf8(kDutchTitle));
        showPrompt(kDutchPrompt);
    }
}

void Tlanguage_form::showPrompt(const std::string& prompt) {
    setLabelCaption(Label1, prompt);
    // The prompt names the language box for a screen reader.
    ComboBox1->setAccessibleName(captionWithoutAccessKey(prompt));
}

void Tlanguage_form::Button1Click() {
    settings::writeLanguageAnswered(context_.folders);
    settings::writeLanguage(context_.folders, ChosenLanguage);
    const lang::Identity identity = lang::readIdentity(context_.folders, ChosenLanguage);
    TForm1& main = *context_.Form1;
    if (ChosenLanguage == kBuiltInLanguage) {
        main.ApplyLanguage(ChosenLanguage);
    } else {
        main.LoadLanguageOrDefault(ChosenLanguage);
        main.ValidateLanguage(identity.language, identity.program);
    }
    done(QDialog::Accepted);
}

void Tlanguage_form::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!activatedThisShowing_) {
        activatedThisShowing_ = true;
        context_.guard.run([this] { FormActivate(); });
    }
}

void Tlanguage_form::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    // Minimising hides the window spontaneously; only a real hide ends the showing.
    if (!event->spontaneous()) activatedThisShowing_ = false;
}

void Tlanguage_form::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
