// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/platform/DesktopPlatform.h"

#include "platform/Path.h"
#include "platform/Process.h"
#include "platform/Shell.h"
#include "platform/VirtualStore.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace platform {

namespace {

QMessageBox::Icon iconFor(unsigned flags) {
    switch (flags & 0xF0) {
    case mb::IconError:
        return QMessageBox::Critical;
    case mb::IconQuestion:
        return QMessageBox::Question;
    case mb::IconWarning:
        return QMessageBox::Warning;
    case mb::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int DesktopPlatform::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
    // Owned by the application, not by a window: every window of the program
    // is blocked while it is open, and activation returns to the one before.
    QMessageBox box(iconFor(flags), QString::fromStdString(caption), QString::fromStdString(text));
    box.setWindowModality(Qt::ApplicationModal);
    // Exactly as stored: a language file's text or a path that looks like markup is not markup.
    box.setTextFormat(Qt::PlainText);
    // In the program's language, not the toolkit's: a question that names its buttons names them as shown.
    const ButtonCaptions& captions = buttonCaptions();
    if ((flags & 0x0F) == mb::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QString::fromStdString(captions.yes));
        box.button(QMessageBox::No)->setText(QString::fromStdString(captions.no));
        box.setDefaultButton((flags & mb::DefaultButton2) ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? answer::Yes : answer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QString::fromStdString(captions.ok));
    box.exec();
    return answer::Ok;
}

std::string DesktopPlatform::browseForFolder(const std::string& title) {
    QString dir = QFileDialog::getExistingDirectory(nullptr, QString::fromStdString(title), QString(),
                                                    QFileDialog::ShowDirsOnly);
    return dir.toStdString();
}

int DesktopPlatform::execModal(QDialog& dialog) {
    return dialog.exec();
}

void DesktopPlatform::shellOpen(const std::string& target) {
    const QString t = QString::fromStdString(target);
    const bool link = t.contains(u"://") || t.startsWith(u"mailto:");
#ifdef Q_OS_WIN
    // The shell itself, with the show modes the program asks for: "show" for
    // a document, "normal" for a link's browser or mail program.
    platform::shellExecuteOpen(target, link ? kShowNormal : kShow);
#else
    QUrl url;
    if (link) {
        url = QUrl(t);
    } else {
        // A document named by a Windows-style path the program built.
        auto host = toHostPath(target);
        url = QUrl::fromLocalFile(QString::fromStdString(host ? *host : target));
    }
    QDesktopServices::openUrl(url); // the outcome is not reported
#endif
}

RegistryText DesktopPlatform::readLocalMachineText(const std::string& key, const std::string& valueName) {
    return platform::readLocalMachineText(key, valueName);
}

std::vector<std::string> DesktopPlatform::findInOtherWinePrefixes(const WinePrefixQuery& query) {
    return platform::findInOtherWinePrefixes(query);
}

std::optional<std::string> DesktopPlatform::virtualStoreFolder(const std::string& resolvedFolder) {
    return platform::virtualStoreFolder(resolvedFolder);
}

WindowId DesktopPlatform::findWindow(const std::string& title) {
    return findTopLevelWindow(title);
}

bool DesktopPlatform::postCloseRequest(WindowId window) {
    return platform::postCloseRequest(window);
}

DesktopPlatform::DesktopPlatform() : m_restart{&startAsAdministrator, [] { QCoreApplication::exit(0); }} {}

void DesktopPlatform::holdClaim(std::unique_ptr<InstanceClaim> claim, std::string name) {
    m_claim = std::move(claim);
    m_claimName = std::move(name);
}

bool DesktopPlatform::mayRestartAsAdministrator() {
    return mayStartAsAdministrator();
}

bool DesktopPlatform::restartAsAdministrator() {
    // The new instance must find the claim free, or it would end at once as a second start.
    const bool held = m_claim != nullptr;
    m_claim.reset();
    if (!m_restart.start(executablePath())) {
        if (held) m_claim = InstanceClaim::tryClaim(m_claimName);
        return false;
    }
    // Ends without asking the windows: the storm, if any, is on record and the new instance takes it up.
    m_restart.end();
    return true;
}

// A reason that could not be given changes no outcome: the refusal is the
// answer to the desktop's query, and the close guard's box still says why.
void DesktopPlatform::blockSessionEnd(WindowId window, const std::string& reason) {
    platform::blockSessionEnd(window, reason);
}

void DesktopPlatform::unblockSessionEnd(WindowId window) {
    platform::unblockSessionEnd(window);
}

} // namespace platform
