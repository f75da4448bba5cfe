#include "info/InfoFont.h"

#include <QStringList>

QFont infoFont(int pointSize, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}
