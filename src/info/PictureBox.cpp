#include "info/PictureBox.h"

#include <QPainter>
#include <QSvgRenderer>

PictureBox::PictureBox(const QString& resource, QSize pictureSize, QWidget* parent)
    : QWidget(parent), rendered_(pictureSize, QImage::Format_ARGB32_Premultiplied) {
    rendered_.fill(Qt::transparent);
    QPainter painter(&rendered_);
    QSvgRenderer(resource).render(&painter);
    painter.end();
    shown_ = rendered_;
}

void PictureBox::setStretch(bool stretch) {
    stretch_ = stretch;
    update();
}

void PictureBox::setTransparent(bool transparent) {
    shown_ = transparent ? withoutBackground(rendered_) : rendered_;
    update();
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
        p.drawImage(rect(), shown_);
    else
        p.drawImage(QPoint(0, 0), shown_);
}
