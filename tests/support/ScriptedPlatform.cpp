// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedPlatform.h"

#include "platform/Error.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

namespace testing_support {

int ScriptedPlatform::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
    boxes.push_back({text, caption, flags});
    if (onBox) onBox(boxes.back());
    if (!m_answers.empty()) {
        int a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    if ((flags & 0x0F) == platform::mb::Ok) return platform::answer::Ok;
    ADD_FAILURE() << "no answer queued for the box \"" << text << "\"";
    return platform::answer::No;
}

std::string ScriptedPlatform::browseForFolder(const std::string& title) {
    browseTitles.push_back(title);
    if (m_folders.empty()) {
        ADD_FAILURE() << "no folder queued for the folder browser";
        return {};
    }
    std::string f = m_folders.front();
    m_folders.pop_front();
    return f;
}

int ScriptedPlatform::execModal(QDialog& dialog) {
    modalDialogs.push_back(dialog.objectName().toStdString());
    if (m_modals.empty()) {
        ADD_FAILURE() << "no action queued for the modal dialog " << dialog.objectName().toStdString();
        return 0;
    }
    auto action = std::move(m_modals.front());
    m_modals.pop_front();
    // Shown as the real modal run shows it, so that show and activation handlers run.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QApplication::processEvents();
    int result = action(dialog);
    dialog.hide();
    QApplication::processEvents();
    return result;
}

void ScriptedPlatform::shellOpen(const std::string& target) {
    opened.push_back(target);
}

platform::RegistryText ScriptedPlatform::readLocalMachineText(const std::string& key,
                                                              const std::string& valueName) {
    registryReads.emplace_back(key, valueName);
    if (registryError) throw platform::AppError(*registryError);
    return registry;
}

std::vector<std::string> ScriptedPlatform::findInOtherWinePrefixes(const platform::WinePrefixQuery& query) {
    ++prefixSearches;
    return searchWinePrefixes ? platform::findInOtherWinePrefixes(query) : otherPrefixFolders;
}

platform::WindowId ScriptedPlatform::findWindow(const std::string& title) {
    windowLookups.push_back(title);
    return window;
}

bool ScriptedPlatform::postCloseRequest(platform::WindowId w) {
    closeRequests.push_back(w);
    return w != 0;
}

void ScriptedPlatform::blockSessionEnd(platform::WindowId w, const std::string& reason) {
    sessionEndBlocks.push_back("block " + reason);
    sessionEndWindows.push_back(w);
}

void ScriptedPlatform::unblockSessionEnd(platform::WindowId w) {
    sessionEndBlocks.push_back("unblock");
    sessionEndWindows.push_back(w);
}

} // namespace testing_support
