// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's help menu: which help document, and opening it.
#include "app/TForm1.h"
#include "info/HelpButtonLabels.h"
#include "info/HelpDocuments.h"
#include "info/MessageDialog.h"
#include "lang/Caption.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"

#include <QPushButton>

void TForm1::Help2Click() {
    const int answer = AskHelpLanguage(std::string(kHelpLanguageQuestion), DialogType::Information,
                                       dialog_button::Yes | dialog_button::No);
    const auto document = helpDocumentFor(answer);
    if (!document) return; // closed without a choice
    const std::string path = context_.folders.ProgramFolder + std::string(*document);
    // A folder of that name is no document; the other language is not tried.
    if (platform::exists(path, platform::AnyFile))
        context_.platform.shellOpen(path);
    else
        ShowError(Texts.Help_niet_gevonden, Texts.Titel_fout);
}

int TForm1::AskHelpLanguage(const std::string& message, DialogType type, DialogButtons buttons) {
    MessageDialog dialog(type, QString::fromStdString(message), buttons, this);
    dialog.setObjectName(QStringLiteral("HelpLanguageDialog"));
    if (type == DialogType::Information) dialog.setWindowTitle(windowCaption(Texts.Messagedlg_Titel));
    // The buttons keep the places the standard layout gives them.
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        button->setFixedWidth(66);
        if (auto label = relabelHelpButton(button->text().toStdString())) {
            button->setText(QString::fromStdString(label->caption));
            dialog.setButtonResult(button, label->result);
        }
    }
    context_.platform.execModal(dialog);
    return dialog.modalResult();
}
