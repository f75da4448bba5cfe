// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/Pictures.h"

QImage programPicture(const QString& name, qreal devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        QImage sharp(QStringLiteral(":/") + name + QStringLiteral("@2x.png"));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QImage(QStringLiteral(":/") + name + QStringLiteral(".png"));
}
