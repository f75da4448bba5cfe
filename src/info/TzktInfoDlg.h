#pragma once
#include "app/AppContext.h"

#include <QDialog>

// The about dialog: product, version and two links, shown without blocking the main window.
class TzktInfoDlg : public QDialog {
    Q_OBJECT
public:
    explicit TzktInfoDlg(AppContext& context, QWidget* parent);

private:
    AppContext& context_;
};
