// SPDX-License-Identifier: GPL-3.0-or-later
#include "LangFixture.h"
#include "support/Controls.h"

#include "platform/Ini.h"
#include "platform/Platform.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <ostream>

using testing_support::control;

namespace lang_test {

std::string ProgramFolder::setting(const std::string& section, const std::string& key) const {
    return platform::ini::readString(settingsPath(), section, key, "");
}

void ProgramFolder::removeLanguage(const std::string& name) const {
    std::filesystem::remove(tmp / ("prog/Dump/Languages/" + name + ".lng"));
}

std::string taggedText(const std::string& tag, const MainTextRow& row) {
    return tag + " " + std::string(row.key);
}

std::string languageFile(const std::string& language, const std::string& program, const std::string& tag,
                         const std::string& extra) {
    std::string text = "[File info]\r\nLanguage=" + language + "\r\nProgram=" + program + "\r\n";
    // One section each, in the order of first use: of two sections with one
    // name only the first is ever searched.
    std::vector<std::string_view> sections;
    for (const MainTextRow& row : kMainTextTable)
        if (std::find(sections.begin(), sections.end(), row.section) == sections.end())
            sections.push_back(row.section);
    for (std::string_view section : sections) {
        text += "[" + std::string(section) + "]\r\n";
        for (const MainTextRow& row : kMainTextTable)
            if (row.section == section && row.target != TextTarget::RouteBoxText) // read twice, written once
                text += std::string(row.key) + "=" + taggedText(tag, row) + "\r\n";
    }
    return text + extra;
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

QString visibleText(const QLabel* label) {
    if (label->textFormat() != Qt::RichText) return label->text();
    QTextDocument doc;
    doc.setHtml(label->text());
    return doc.toRawText();
}

std::string targetText(MainWindow& form, const MainTextRow& row) {
    switch (row.target) {
    case TextTarget::RoutePrompt:
        return visibleText(control<QLabel>(form, "Label1")).toStdString();
    case TextTarget::RouteGroup:
        return control<QGroupBox>(form, "GroupBox1")->title().toStdString();
    case TextTarget::RouteBoxText:
        return control<QComboBox>(form, "RouteBox")->currentText().toStdString();
    case TextTarget::FileMenu:
        return control<QMenu>(form, "Bestand1")->title().toStdString();
    case TextTarget::QuitItem:
        return control<QAction>(form, "afsluiten1")->text().toStdString();
    case TextTarget::OptionsMenu:
        return control<QMenu>(form, "Opties1")->title().toStdString();
    case TextTarget::LanguageMenu:
        return control<QMenu>(form, "Taal1")->title().toStdString();
    case TextTarget::HelpMenu:
        return control<QMenu>(form, "Help1")->title().toStdString();
    case TextTarget::HelpContentsItem:
        return control<QAction>(form, "Help2")->text().toStdString();
    case TextTarget::AboutItem:
        return control<QAction>(form, "Info1")->text().toStdString();
    case TextTarget::MakeButton:
        return control<QPushButton>(form, "Button1")->text().toStdString();
    case TextTarget::CompletionText:
        return visibleText(control<QLabel>(form, "Label3")).toStdString();
    case TextTarget::RestoreButton:
        return control<QPushButton>(form, "Button2")->text().toStdString();
    case TextTarget::Held:
        return form.texts().*row.held;
    }
    return {};
}

Box languageError(const std::string& text, const std::string& title) {
    return Box{text, title, platform::mb::Ok | platform::mb::IconError};
}

Box dutchLanguageError() {
    return languageError("Fout tijdens het lezen van taal bestand.", "Fout");
}

std::string checkedLanguageItem(MainWindow& form) {
    std::string checked;
    for (QAction* item : control<QMenu>(form, "Taal1")->actions()) {
        if (item->isChecked()) {
            EXPECT_TRUE(checked.empty()) << "two items carry the check mark";
            checked = item->objectName().toStdString();
        }
    }
    return checked;
}

std::vector<std::pair<std::string, std::string>> languageItems(MainWindow& form) {
    std::vector<std::pair<std::string, std::string>> items;
    for (QAction* item : control<QMenu>(form, "Taal1")->actions())
        items.emplace_back(item->objectName().toStdString(), item->text().toStdString());
    return items;
}

} // namespace lang_test

namespace testing_support {
void PrintTo(const ScriptedPlatform::Box& box, std::ostream* os) {
    *os << "{\"" << box.text << "\", \"" << box.caption << "\", " << box.flags << "}";
}
} // namespace testing_support
