// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/PictureBox.h"

#include "gui/widgets/AccessibleControls.h"
#include "gui/widgets/Pictures.h"

#include <QPainter>

PictureBox::PictureBox(const QString& pictureName, QWidget* parent) : QWidget(parent), m_name(pictureName) {
    registerAccessibleControls();
}

void PictureBox::setStretch(bool stretch) {
    m_stretch = stretch;
    update();
}

void PictureBox::setTransparent(bool transparent) {
    m_transparent = transparent;
    m_shown = QImage();
    update();
}

const QImage& PictureBox::picture() const {
    const qreal ratio = devicePixelRatioF();
    if (m_shown.isNull() || m_shownRatio != ratio) {
        const QImage loaded = programPicture(m_name, ratio);
        m_shown = m_transparent ? withoutBackground(loaded) : loaded;
        m_shownRatio = ratio;
    }
    return m_shown;
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
    if (m_stretch)
        p.drawImage(rect(), picture());
    else
        p.drawImage(QPoint(0, 0), picture());
}
