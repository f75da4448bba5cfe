// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's language: applying a language's texts, checking a
// language file's identity, and the language menu.
#include "app/Settings.h"
#include "app/TForm1.h"
#include "lang/Caption.h"
#include "lang/LanguageFiles.h"
#include "lang/MainTextTable.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextEdit>

void TForm1::ApplyLanguage(const std::string& name) {
    CurrentLanguage = name;
    const bool builtIn = name == kBuiltInLanguage;
    // Each text is read with its own access to the file, in the table's order.
    auto textOf = [&](const MainTextRow& row) {
        return builtIn ? std::string(row.dutch)
                       : lang::readText(context_.folders, name, row.section, row.key);
    };
    for (const MainTextRow& row : kMainTextTable) {
        const std::string text = textOf(row);
        const QString caption = QString::fromStdString(text);
        switch (row.target) {
        case TextTarget::Label1:
            setLabelCaption(Label1, text);
            RouteBox->setAccessibleDescription(captionWithoutAccessKey(text));
            break;
        case TextTarget::GroupBox1:
            GroupBox1->setTitle(caption);
            break;
        // Replaces whatever route the box showed; its list stays as it is.
        case TextTarget::RouteBoxText:
            RouteBox->setEditText(caption);
            RouteBox->lineEdit()->setCursorPosition(0); // show the text's beginning
            break;
        case TextTarget::Bestand1:
            Bestand1->setTitle(caption);
            break;
        case TextTarget::afsluiten1:
            afsluiten1->setText(caption);
            break;
        case TextTarget::Opties1:
            Opties1->setTitle(caption);
            break;
        case TextTarget::Taal1:
            Taal1->setTitle(caption);
            break;
        case TextTarget::Help1:
            Help1->setTitle(caption);
            break;
        case TextTarget::Help2:
            Help2->setText(caption);
            break;
        case TextTarget::Info1:
            Info1->setText(caption);
            break;
        case TextTarget::Button1:
            Button1->setText(caption);
            break;
        case TextTarget::Label3:
            setLabelCaption(Label3, text);
            break;
        case TextTarget::Button2:
            Button2->setText(caption);
            break;
        case TextTarget::Held:
            Texts.*row.held = text;
            break;
        }
    }
    // Newer than the language files: a file without one keeps its built-in text.
    for (const MainTextRow& row : kNewerTextRows) {
        const std::string text = textOf(row);
        Texts.*row.held = text.empty() ? std::string(row.dutch) : text;
    }

    // A screen reader names the route box after its group and the report after its heading.
    RouteBox->setAccessibleName(captionWithoutAccessKey(GroupBox1->title().toStdString()));
    RichEdit1->setAccessibleName(QString::fromStdString(Texts.ReportHeading));

    // Last, so that a refused write finds the texts already set.
    settings::writeLanguage(context_.folders, CurrentLanguage);
}

void TForm1::ValidateLanguage(const std::string& language, const std::string& program) {
    // Both tests run, so one call can report twice.
    bool accepted = true;
    if (!lang::languageFits(language)) {
        ShowError(Texts.Taal_lees_err, Texts.Titel_fout);
        accepted = false;
    }
    if (!lang::programFits(program)) {
        ShowError(Texts.Taal_lees_err, Texts.Titel_fout);
        accepted = false;
    }
    if (accepted) {
        ApplyLanguage(CurrentLanguage);
    } else {
        Nederlands1->setChecked(true);
        ApplyLanguage(std::string(kBuiltInLanguage));
    }
}

void TForm1::LoadLanguageOrDefault(const std::string& name) {
    if (lang::fileExists(context_.folders, name)) {
        ApplyLanguage(name);
    } else {
        // Dutch first, so that the message can be read.
        ApplyLanguage(std::string(kBuiltInLanguage));
        ShowError(Texts.Taal_lees_err, Texts.Titel_fout);
    }
}

void TForm1::BuildLanguageMenu(const std::string& path) {
    for (const std::string& name : lang::listLanguages(path)) {
        const QString caption = QString::fromStdString(name);
        auto* item = new QAction(caption, this);
        // The language's name, as the file name gives it: some desktops add
        // access keys to menu texts, so the text itself is not relied on.
        item->setData(caption);
        item->setObjectName(QStringLiteral("Language%1").arg(Taal1->actions().size() + 1));
        item->setCheckable(true);
        TaalGroup->addAction(item);
        Taal1->addAction(item);
        connect(item, &QAction::triggered, this,
                [this, item] { guarded([this, item] { LanguageClick(item); }); });
        if (CurrentLanguage == kBuiltInLanguage)
            Nederlands1->setChecked(true);
        else if (CurrentLanguage == name)
            item->setChecked(true);
    }
}

void TForm1::LanguageClick(QAction* sender) {
    sender->setChecked(true);
    if (Nederlands1->isChecked()) {
        CurrentLanguage = std::string(kBuiltInLanguage);
        ApplyLanguage(CurrentLanguage);
        return;
    }
    // A file that has gone since the menu was built fails both tests.
    CurrentLanguage = sender->data().toString().toStdString();
    const lang::Identity identity = lang::readIdentity(context_.folders, CurrentLanguage);
    ValidateLanguage(identity.language, identity.program);
}
