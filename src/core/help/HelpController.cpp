// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/help/HelpController.h"

#include "core/help/HelpDocuments.h"
#include "core/language/MainTexts.h"
#include "core/program/Folders.h"
#include "core/program/MessageBoxes.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

namespace help {

HelpController::HelpController(platform::Platform& platform, const Folders& folders, const MainTexts& texts,
                               const MessageBoxes& boxes, HelpView& view)
    : m_platform(platform), m_folders(folders), m_texts(texts), m_boxes(boxes), m_view(view) {}

void HelpController::showHelp() {
    const int answer = m_view.askHelpLanguage(std::string(kHelpLanguageQuestion), m_texts.helpQuestionTitle);
    const auto document = helpDocumentFor(answer);
    if (!document) return; // closed without a choice
    const std::string path = m_folders.programFolder + std::string(*document);
    // A folder of that name is no document; the other language is not tried.
    if (platform::exists(path, platform::AnyFile))
        m_platform.shellOpen(path);
    else
        m_boxes.showError(m_texts.helpNotFound, m_texts.errorTitle);
}

} // namespace help
