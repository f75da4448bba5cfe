// SPDX-License-Identifier: GPL-3.0-or-later
#include "location/TLocatie_form.h"

#include "app/DesignFont.h"
#include "app/MessageFormat.h"
#include "app/Settings.h"
#include "lang/Caption.h"
#include "location/CaptionFit.h"
#include "location/LocationTexts.h"
#include "location/TrainExeProbe.h"
#include "platform/Platform.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TLocatie_form::TLocatie_form(AppContext& context) : QDialog(nullptr), context_(context) {
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

void TLocatie_form::createControls() {
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 257, 41);
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(8, 64, 257, 81);

    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(3, 20, 250, 21);
    Edit1->setText(QString::fromUtf8(kDefaultSimulatorFolder));

    Button2 = new QPushButton(GroupBox1);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(174, 48, 75, 25);
    connect(Button2, &QPushButton::clicked, this, [this] { context_.guard.run([this] { Button2Click(); }); });

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(96, 155, 75, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { context_.guard.run([this] { Button1Click(); }); });

    // Tab order: the continue button, then the group: browse, then the folder.
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Edit1);
    Button1->setDefault(true);
    Button1->setFocus();
}

void TLocatie_form::applyTexts(const LocationTexts& texts) {
    setWindowTitle(windowCaption(texts.Caption));
    setLabelCaption(Label1, texts.Label1);
    Button1->setText(QString::fromStdString(texts.Button1));
    Button2->setText(QString::fromStdString(texts.Button2));
    GroupBox1->setTitle(QString::fromStdString(texts.GroupBox1));
    Edit1->setAccessibleName(
        captionWithoutAccessKey(texts.GroupBox1)); // the folder box is named by its group
    BrowseText = texts.BrowseText;
    ErrorTitle = texts.ErrorTitle;
    NotFoundText = texts.NotFoundText;
    FoundText = texts.FoundText;
    FoundTitle = texts.FoundTitle;
    // Another language's captions may be longer than the Dutch ones the
    // controls are sized for: they get room or a smaller font, never a cut.
    fitWrappedText(Label1);
    fitGroupBoxTitle(GroupBox1);
    fitButtonCaption(Button1, ButtonAnchor::Centre);
    fitButtonCaption(Button2, ButtonAnchor::Right);
}

std::string TLocatie_form::folderText() const {
    return Edit1->text().toStdString();
}

void TLocatie_form::FormCreate() {
    WindowLanguage = settings::readLanguage(context_.folders);
    StoredPath = settings::readSimulatorFolder(context_.folders);
    applyTexts(loadLocationTexts(context_.folders, WindowLanguage));
    TestTrainExe(trainExePathIn(StoredPath));
    if (TrainExeMissing == 1) {
        // A registry value of the wrong type is reported, and the player can
        // still give the folder: without this window the program would have
        // no simulator folder on any start.
        context_.guard.run([this] { ProposeFolderFromRegistry(); });
        context_.platform.execModal(*this);
    }
}

void TLocatie_form::TestTrainExe(const std::string& path) {
    TrainExeMissing = trainExeFoundAt(path) ? 0 : 1;
}

void TLocatie_form::ProposeFolderFromRegistry() {
    const platform::RegistryText entry =
        context_.platform.readLocalMachineText(kSimulatorRegistryKey, kExePathValue);
    if (entry.keyOpened) Edit1->setText(QString::fromStdString(entry.value));
}

void TLocatie_form::Button2Click() {
    const std::string folder = context_.platform.browseForFolder(BrowseText);
    if (!folder.empty()) Edit1->setText(QString::fromStdString(folder));
}

void TLocatie_form::Button1Click() {
    TestTrainExe(trainExePathIn(folderText()));
    if (TrainExeMissing == 1) {
        ShowLocationError(NotFoundText, ErrorTitle);
        return;
    }
    ShowLocationInfo(FoundText, FoundTitle);
    // The window closes even when the folder cannot be stored: the error says
    // so, and the next start asks again.
    done(QDialog::Accepted);
    settings::writeSimulatorFolder(context_.folders, folderText());
}

void TLocatie_form::ShowLocationError(const std::string& text, const std::string& title) {
    context_.platform.messageBox(formatWithEmptyArgument(text), title,
                                 platform::mb::Ok | platform::mb::IconError);
}

void TLocatie_form::ShowLocationInfo(const std::string& text, const std::string& title) {
    context_.platform.messageBox(formatWithEmptyArgument(text), title,
                                 platform::mb::Ok | platform::mb::IconInformation);
}

void TLocatie_form::keyPressEvent(QKeyEvent* event) {
    // The window has no cancel button: Escape does not end it.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
