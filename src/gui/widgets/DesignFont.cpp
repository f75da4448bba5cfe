// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/DesignFont.h"

#include <QFontDatabase>
#include <QStringList>

#include <initializer_list>

namespace {

// The first of the given families that is installed. Asking for a missing
// family is not enough: fontconfig answers any name with its default font.
QString installedFamily(std::initializer_list<const char*> preferred) {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : preferred) {
        if (installed.contains(QString::fromLatin1(family), Qt::CaseInsensitive))
            return QString::fromLatin1(family);
    }
    return QFont().family();
}

} // namespace

QFont designFont(double pointSize, bool bold) {
    static const QString family =
        installedFamily({"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QFont reportFont() {
    static const QString family = installedFamily({"Arial", "Liberation Sans", "DejaVu Sans"});
    QFont f(family);
    f.setPointSize(10);
    return f;
}
