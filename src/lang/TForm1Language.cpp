// The main window's language: applying a language's texts, checking a
// language file's identity, and the language menu.
#include "app/Settings.h"
#include "app/TForm1.h"
#include "lang/Caption.h"
#include "lang/MainTextTable.h"
#include "platform/FileSystem.h"
#include "platform/Ini.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

// Every entry, folders included.
constexpr unsigned kAnyEntry = 63;

std::string nameWithoutExtension(const std::string& fileName) {
    auto dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

} // namespace

void TForm1::ApplyLanguage(const std::string& name) {
    CurrentLanguage = name;
    const bool builtIn = name == kBuiltInLanguage;
    const std::string file = context_.folders.LanguageFile(name);
    auto textOf = [&](const MainTextRow& row) {
        return builtIn ? std::string(row.dutch) : platform::ini::readString(file, row.section, row.key, "");
    };
    for (const MainTextRow& row : kMainTextTable) {
        const std::string text = textOf(row);
        const QString caption = QString::fromStdString(text);
        switch (row.target) {
        case TextTarget::Label1: Label1->setText(captionWithoutAccessKey(text)); break;
        case TextTarget::GroupBox1: GroupBox1->setTitle(caption); break;
        case TextTarget::RouteBoxText: RouteBox->setEditText(caption); break;
        case TextTarget::Bestand1: Bestand1->setTitle(caption); break;
        case TextTarget::afsluiten1: afsluiten1->setText(caption); break;
        case TextTarget::Opties1: Opties1->setTitle(caption); break;
        case TextTarget::Taal1: Taal1->setTitle(caption); break;
        case TextTarget::Help1: Help1->setTitle(caption); break;
        case TextTarget::Help2: Help2->setText(caption); break;
        case TextTarget::Info1: Info1->setText(caption); break;
        case TextTarget::Button1: Button1->setText(caption); break;
        case TextTarget::Label3: Label3->setText(captionWithoutAccessKey(text)); break;
        case TextTarget::Button2: Button2->setText(caption); break;
        case TextTarget::Held: Texts.*row.held = text; break;
        }
    }
    // Newer than the language files: a file without it keeps the built-in text.
    std::string backupFailed = textOf(kBackupFailedRow);
    Texts.Backup_fout = backupFailed.empty() ? std::string(kBackupFailedRow.dutch) : backupFailed;

    settings::writeLanguage(context_.folders, CurrentLanguage);
}

void TForm1::ValidateLanguage(const std::string& language, const std::string& program) {
    bool accepted = true;
    // Byte-wise: an empty name, or one that starts with a control character, sorts before a blank.
    if (language == "Onbekend" || language < std::string(" ")) {
        ShowError(Texts.Taal_lees_err, Texts.Titel_fout);
        accepted = false;
    }
    if (program != "Brontara") {
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
    if (platform::exists(context_.folders.LanguageFile(name), platform::AnyFile)) {
        ApplyLanguage(name);
    } else {
        ApplyLanguage(std::string(kBuiltInLanguage));
        ShowError(Texts.Taal_lees_err, Texts.Titel_fout);
    }
}

void TForm1::BuildLanguageMenu(const std::string& path) {
    for (const auto& entry : platform::findFiles(path + "\\*.lng", kAnyEntry)) {
        if (entry.name == "." || entry.name == "..")
            continue;
        const std::string caption = nameWithoutExtension(entry.name);
        auto* item = new QAction(QString::fromStdString(caption), this);
        item->setObjectName(QStringLiteral("Language%1").arg(Taal1->actions().size() + 1));
        item->setCheckable(true);
        TaalGroup->addAction(item);
        Taal1->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { guarded([this, item] { LanguageClick(item); }); });
        if (CurrentLanguage == kBuiltInLanguage)
            Nederlands1->setChecked(true);
        else if (CurrentLanguage == caption)
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
    CurrentLanguage = sender->text().toStdString();
    const std::string file = context_.folders.LanguageFile(CurrentLanguage);
    ValidateLanguage(platform::ini::readString(file, "File info", "Language", ""),
                     platform::ini::readString(file, "File info", "Program", ""));
}
