#include "info/TzktInfoDlg.h"

TzktInfoDlg::TzktInfoDlg(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("zktInfoDlg"));
    setModal(false);
}
