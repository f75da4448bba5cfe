// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/SimulatorFolderWindow.h"

#include "core/location/LocationTexts.h"
#include "core/location/OtherPrefixes.h"
#include "core/location/TrainExeProbe.h"
#include "core/program/MessageBoxes.h"
#include "core/program/Settings.h"
#include "gui/Caption.h"
#include "gui/CaptionFit.h"
#include "gui/widgets/DesignFont.h"
#include "platform/Platform.h"

#include <QAction>
#include <QCompleter>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

SimulatorFolderWindow::SimulatorFolderWindow(AppContext& context) : QDialog(nullptr), m_context(context) {
    setObjectName(QStringLiteral("Locatie_form"));
    // A fixed single border and a title bar without system menu: no close,
    // minimise or maximise box.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFont(designFont());
    setFixedSize(273, 189);
    move(244, 217);
    createControls();
}

void SimulatorFolderWindow::createControls() {
    m_explanationLabel = new QLabel(this);
    m_explanationLabel->setObjectName(QStringLiteral("Label1"));
    m_explanationLabel->setGeometry(8, 8, 257, 41);
    m_explanationLabel->setWordWrap(true);
    m_explanationLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_folderGroup = new QGroupBox(this);
    m_folderGroup->setObjectName(QStringLiteral("GroupBox1"));
    m_folderGroup->setGeometry(8, 64, 257, 81);

    m_folderEdit = new QLineEdit(m_folderGroup);
    m_folderEdit->setObjectName(QStringLiteral("Edit1"));
    m_folderEdit->setGeometry(3, 20, 250, 21);
    m_folderEdit->setText(QString::fromUtf8(kDefaultSimulatorFolder));

    m_browseButton = new QPushButton(m_folderGroup);
    m_browseButton->setObjectName(QStringLiteral("Button2"));
    m_browseButton->setGeometry(174, 48, 75, 25);
    connect(m_browseButton, &QPushButton::clicked, this,
            [this] { m_context.guard.run([this] { browse(); }); });

    m_continueButton = new QPushButton(this);
    m_continueButton->setObjectName(QStringLiteral("Button1"));
    m_continueButton->setGeometry(96, 155, 75, 25);
    connect(m_continueButton, &QPushButton::clicked, this,
            [this] { m_context.guard.run([this] { confirmFolder(); }); });

    // Tab order: the continue button, then the group: browse, then the folder.
    setTabOrder(m_continueButton, m_browseButton);
    setTabOrder(m_browseButton, m_folderEdit);
    m_continueButton->setDefault(true);
    m_continueButton->setFocus();
}

void SimulatorFolderWindow::applyTexts(const LocationTexts& texts) {
    setWindowTitle(windowCaption(texts.title));
    setLabelCaption(m_explanationLabel, texts.explanation);
    m_continueButton->setText(QString::fromStdString(texts.continueButton));
    m_browseButton->setText(QString::fromStdString(texts.browseButton));
    m_folderGroup->setTitle(QString::fromStdString(texts.folderGroup));
    m_folderEdit->setAccessibleName(
        captionWithoutAccessKey(texts.folderGroup)); // the folder box is named by its group
    m_browseText = texts.browseText;
    m_errorTitle = texts.errorTitle;
    m_notFoundText = texts.notFoundText;
    m_foundText = texts.foundText;
    m_foundTitle = texts.foundTitle;
    m_unstorableText = texts.unstorableText;
    // Another language's captions may be longer than the Dutch ones the
    // controls are sized for: they get room or a smaller font, never a cut.
    fitWrappedText(m_explanationLabel);
    fitGroupBoxTitle(m_folderGroup);
    fitButtonCaption(m_continueButton, ButtonAnchor::Centre);
    fitButtonCaption(m_browseButton, ButtonAnchor::Right);
}

std::string SimulatorFolderWindow::folderText() const {
    return m_folderEdit->text().toStdString();
}

void SimulatorFolderWindow::initialise() {
    m_language = settings::readLanguage(m_context.folders);
    m_storedPath = settings::readSimulatorFolder(m_context.folders);
    applyTexts(loadLocationTexts(m_context.folders, m_language));
    checkTrainExe(trainExePathIn(m_storedPath));
    if (m_trainExeMissing == 1) {
        // A registry value of the wrong type is reported, and the player can
        // still give the folder: without this window the program would have
        // no simulator folder on any start.
        m_context.guard.run([this] { proposeFolderFromRegistry(); });
        if (!trainExeFoundAt(trainExePathIn(folderText()))) proposeFolderFromOtherPrefixes();
        m_context.platform.execModal(*this);
    }
}

void SimulatorFolderWindow::checkTrainExe(const std::string& path) {
    m_trainExeMissing = trainExeFoundAt(path) ? 0 : 1;
}

void SimulatorFolderWindow::proposeFolderFromRegistry() {
    const platform::RegistryText entry =
        m_context.platform.readLocalMachineText(kSimulatorRegistryKey, kExePathValue);
    if (entry.keyOpened) m_folderEdit->setText(QString::fromStdString(entry.value));
}

// On Linux the simulator may live in another Wine prefix than the one in
// force: the most recent is proposed, every one is offered in the folder box's
// drop-down list (its arrow, or Alt+Down).
void SimulatorFolderWindow::proposeFolderFromOtherPrefixes() {
    const std::vector<std::string> found = simulatorFoldersInOtherPrefixes(m_context.platform);
    if (found.empty()) return;
    m_folderEdit->setText(QString::fromStdString(found.front()));
    if (found.size() == 1) return;
    QStringList folders;
    for (const std::string& folder : found)
        folders << QString::fromStdString(folder);
    auto* completer = new QCompleter(folders, m_folderEdit);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_folderEdit->setCompleter(completer);
    // The edit box takes a choice only while it has the focus; the arrow
    // leaves the focus where it is.
    connect(completer, qOverload<const QString&>(&QCompleter::activated), m_folderEdit, &QLineEdit::setText);
    QAction* arrow =
        m_folderEdit->addAction(style()->standardIcon(QStyle::SP_ArrowDown), QLineEdit::TrailingPosition);
    arrow->setObjectName(QStringLiteral("otherFolders"));
    connect(arrow, &QAction::triggered, this, &SimulatorFolderWindow::showOtherFolders);
}

void SimulatorFolderWindow::showOtherFolders() {
    if (QCompleter* completer = m_folderEdit->completer()) {
        completer->setCompletionPrefix(QString());
        completer->complete();
    }
}

void SimulatorFolderWindow::browse() {
    const std::string folder = m_context.platform.browseForFolder(m_browseText);
    if (!folder.empty()) m_folderEdit->setText(QString::fromStdString(folder));
}

void SimulatorFolderWindow::confirmFolder() {
    checkTrainExe(trainExePathIn(folderText()));
    if (m_trainExeMissing == 1) {
        MessageBoxes(m_context.platform).showError(m_notFoundText, m_errorTitle);
        return;
    }
    // Found, but a folder the settings file would read back otherwise is lost at the next start.
    if (!settings::canStoreSimulatorFolder(folderText())) {
        MessageBoxes(m_context.platform).showError(m_unstorableText, m_errorTitle);
        return;
    }
    MessageBoxes(m_context.platform).showInformation(m_foundText, m_foundTitle);
    // The window closes even when the folder cannot be stored: the error says
    // so, and the next start asks again.
    done(QDialog::Accepted);
    settings::writeSimulatorFolder(m_context.folders, folderText());
}

void SimulatorFolderWindow::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Escape does not end it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Down && event->modifiers() == Qt::AltModifier) {
        showOtherFolders();
        return;
    }
    QDialog::keyPressEvent(event);
}
