// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/HelpLanguageQuestion.h"

#include "core/help/HelpButtonLabels.h"
#include "gui/Caption.h"
#include "gui/widgets/MessageDialog.h"
#include "platform/Platform.h"

#include <QPushButton>

int askWithLanguageButtons(platform::Platform& platform, QWidget* parent, const std::string& message,
                           const std::string& title, DialogType type, DialogButtons buttons) {
    MessageDialog dialog(type, QString::fromStdString(message), buttons, parent);
    dialog.setObjectName(QStringLiteral("HelpLanguageDialog"));
    if (type == DialogType::Information) dialog.setWindowTitle(windowCaption(title));
    // The buttons keep the places the standard layout gives them.
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        button->setFixedWidth(66);
        if (auto label = relabelHelpButton(button->text().toStdString())) {
            button->setText(QString::fromStdString(label->caption));
            dialog.setButtonResult(button, label->result);
        }
    }
    platform.execModal(dialog);
    return dialog.modalResult();
}
