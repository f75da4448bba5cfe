// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/PictureBox.h"

#include "gui/Pictures.h"
#include "gui/AccessibleControls.h"

#include <QPainter>

PictureBox::PictureBox(const QString& pictureName, QWidget* parent) : QWidget(parent), name_(pictureName) {
    registerAccessibleControls();
}

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void PictureBox::setTransparent(bool transparent) {
    transparent_ = transparent;
    shown_ = QImage();
    update();
}

const QImage& PictureBox::picture() const {
    const qreal ratio = devicePixelRatioF();
    if (shown_.isNull() || shownRatio_ != ratio) {
        const QImage loaded = programPicture(name_, ratio);
        shown_ = transparent_ ? withoutBackground(loaded) : loaded;
        shownRatio_ = ratio;
    }
    return shown_;
}

QImage PictureBox::withoutBackground(const QImage& image) {
    if (image.isNull()) return image;
    QImage clear = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb background = clear.pixel(0, clear.height() - 1);
    for (int y = 0; y < clear.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(clear.scanLine(y));
        for (int x = 0; x < clear.width(); ++x)
            if (line[x] == background) line[x] = qRgba(0, 0, 0, 0);
    }
    return clear;
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (stretch_)
        p.drawImage(rect(), picture());
    else
        p.drawImage(QPoint(0, 0), picture());
}
