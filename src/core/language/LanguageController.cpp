// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/language/LanguageController.h"

#include "core/language/LanguageFiles.h"
#include "core/program/Folders.h"
#include "core/program/MessageBoxes.h"
#include "core/program/Settings.h"

namespace lang {

LanguageController::LanguageController(const Folders& folders, const MessageBoxes& boxes, LanguageView& view)
    : m_folders(folders), m_boxes(boxes), m_view(view) {}

void LanguageController::start() {
    m_current = settings::readLanguage(m_folders);
    // Read in every case; used only when the stored language is not the built-in one.
    const Identity identity = readIdentity(m_folders, m_current);
    buildMenu(m_folders.languagesFolder(), m_current);
    if (m_current == kBuiltInLanguage) {
        apply(m_current);
    } else {
        loadOrDefault(m_current);
        validate(identity.language, identity.program);
    }
}

void LanguageController::apply(const std::string& name) {
    m_current = name;
    const bool builtIn = name == kBuiltInLanguage;
    // Each text is read with its own access to the file, in the table's order.
    auto textOf = [&](const MainTextRow& row) {
        return builtIn ? std::string(row.dutch) : readText(m_folders, name, row.section, row.key);
    };
    for (const MainTextRow& row : kMainTextTable) {
        const std::string text = textOf(row);
        if (row.target == TextTarget::Held)
            m_texts.*row.held = text;
        else
            m_view.setCaption(row.target, text);
    }
    // Newer than the language files: a file without one keeps its built-in text.
    for (const MainTextRow& row : kNewerTextRows) {
        const std::string text = textOf(row);
        m_texts.*row.held = text.empty() ? std::string(row.dutch) : text;
    }
    m_view.languageApplied(m_current);
    // Last, so that a refused write finds the texts already set.
    settings::writeLanguage(m_folders, m_current);
}

void LanguageController::validate(const std::string& language, const std::string& program) {
    // Both tests run, so one call can report twice.
    bool accepted = true;
    if (!languageFits(language)) {
        m_boxes.showError(m_texts.languageFileError, m_texts.errorTitle);
        accepted = false;
    }
    if (!programFits(program)) {
        m_boxes.showError(m_texts.languageFileError, m_texts.errorTitle);
        accepted = false;
    }
    if (accepted) {
        apply(m_current);
    } else {
        m_view.checkBuiltInLanguageItem();
        apply(std::string(kBuiltInLanguage));
    }
}

void LanguageController::loadOrDefault(const std::string& name) {
    if (fileExists(m_folders, name)) {
        apply(name);
    } else {
        // Dutch first, so that the message can be read.
        apply(std::string(kBuiltInLanguage));
        m_boxes.showError(m_texts.languageFileError, m_texts.errorTitle);
    }
}

void LanguageController::buildMenu(const std::string& folder, const std::string& marked) {
    for (const std::string& name : listLanguages(folder)) {
        m_view.addLanguageItem(name, marked != kBuiltInLanguage && marked == name);
        if (marked == kBuiltInLanguage) m_view.checkBuiltInLanguageItem();
    }
}

void LanguageController::chooseBuiltIn() {
    m_current = std::string(kBuiltInLanguage);
    apply(m_current);
}

void LanguageController::chooseFile(const std::string& name) {
    // A file that has gone since the menu was built fails both tests.
    m_current = name;
    const Identity identity = readIdentity(m_folders, m_current);
    validate(identity.language, identity.program);
}

void LanguageController::adopt(const std::string& name) {
    const Identity identity = readIdentity(m_folders, name);
    if (name == kBuiltInLanguage) {
        apply(name);
    } else {
        loadOrDefault(name);
        validate(identity.language, identity.program);
    }
}

} // namespace lang
