// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/MessageDialog.h"

#include "gui/widgets/DesignFont.h"
#include "gui/widgets/ScreenCentre.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPushButton>
#include <QShowEvent>

#include <array>

namespace {

QMessageBox::Icon iconOf(DialogType type) {
    switch (type) {
    case DialogType::Warning:
        return QMessageBox::Warning;
    case DialogType::Error:
        return QMessageBox::Critical;
    case DialogType::Information:
        return QMessageBox::Information;
    case DialogType::Confirmation:
        return QMessageBox::Question;
    case DialogType::Custom:
        break;
    }
    return QMessageBox::NoIcon;
}

struct Kind {
    unsigned button;
    QMessageBox::StandardButton standard;
};

// In the order the buttons stand in the dialog.
constexpr std::array<Kind, 7> kKinds{{
    {dialog_button::Yes, QMessageBox::Yes},
    {dialog_button::No, QMessageBox::No},
    {dialog_button::Ok, QMessageBox::Ok},
    {dialog_button::Cancel, QMessageBox::Cancel},
    {dialog_button::Abort, QMessageBox::Abort},
    {dialog_button::Retry, QMessageBox::Retry},
    {dialog_button::Ignore, QMessageBox::Ignore},
}};

} // namespace

MessageDialog::MessageDialog(DialogType type, const QString& message, DialogButtons buttons, QWidget* parent)
    : QMessageBox(parent) {
    setFont(designFont(8));
    setIcon(iconOf(type));
    setWindowTitle(QString::fromUtf8(standardCaptionOf(type)));
    setTextFormat(Qt::PlainText);
    setText(message);
    for (const Kind& kind : kKinds) {
        if (!(buttons & kind.button)) continue;
        QAbstractButton* button = addButton(kind.standard);
        button->setIcon(QIcon()); // captions only, whatever the desktop theme adds
        m_results[button] = standardResultOf(kind.button);
        if (kind.button == defaultButtonOf(buttons)) setDefaultButton(kind.standard);
        if (kind.button == cancelButtonOf(buttons)) setEscapeButton(button);
    }
    connect(this, &QMessageBox::buttonClicked, this, [this](QAbstractButton* button) {
        auto it = m_results.find(button);
        m_result = it == m_results.end() ? dialog_result::None : it->second;
    });
}

void MessageDialog::setButtonResult(QAbstractButton* button, int result) {
    m_results[button] = result;
}

void MessageDialog::showEvent(QShowEvent* event) {
    m_result = dialog_result::Cancel;
    QMessageBox::showEvent(event);
    if (event->spontaneous()) return;
    // Enter right after the dialog opens presses the default button.
    if (QPushButton* button = defaultButton()) button->setFocus();
    centreOnScreen(this, parentWidget()); // on the screen, not over the window that asks
}

void MessageDialog::closeEvent(QCloseEvent* event) {
    // Skips the message box's own handling, which would press the Escape
    // button: a dialog closed from its title bar answers nothing.
    m_result = dialog_result::Cancel;
    QDialog::closeEvent(event);
}
