#include "info/PictureBox.h"

#include "info/AccessibleControls.h"

#include <QPainter>
#include <QSvgRenderer>

PictureBox::PictureBox(const QString& resource, QSize pictureSize, QWidget* parent)
    : QWidget(parent), resource_(resource), pictureSize_(pictureSize) {
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
    if (shown_.isNull()) {
        QImage rendered(pictureSize_, QImage::Format_ARGB32_Premultiplied);
        rendered.fill(Qt::transparent);
        QPainter painter(&rendered);
        QSvgRenderer(resource_).render(&painter);
        painter.end();
        shown_ = transparent_ ? withoutBackground(rendered) : rendered;
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
