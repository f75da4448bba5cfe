// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/help/MessageDialogKinds.h"

#include <QMessageBox>

#include <map>

// The standard message dialog for a question: the type's icon and caption,
// the message, one button per requested standard button. Enter presses OK,
// else Yes, else Retry; Escape presses Cancel, else No, else OK. The caller may
// relabel the buttons and change what they give. Closing it from the title
// bar gives Cancel, whichever buttons it has.
class MessageDialog : public QMessageBox {
    Q_OBJECT
  public:
    MessageDialog(DialogType type, const QString& message, DialogButtons buttons, QWidget* parent);

    // What pressing `button` gives from now on.
    void setButtonResult(QAbstractButton* button, int result);
    // What the last run gave: the pressed button's result, Cancel when closed
    // without one.
    int modalResult() const { return m_result; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    std::map<QAbstractButton*, int> m_results;
    int m_result = dialog_result::Cancel;
};
