// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows icon file that svgpng writes from the program icon's renderings.
#include "IconFile.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QByteArray pngOfSize(QSize size, QColor colour) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

quint16 at16(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint16>(data.constData() + offset);
}

quint32 at32(const QByteArray& data, int offset) {
    return qFromLittleEndian<quint32>(data.constData() + offset);
}

TEST(IconFile, HoldsEveryImageAsPngBehindADirectory) {
    const QList<QByteArray> images = {pngOfSize({16, 16}, Qt::red), pngOfSize({48, 48}, Qt::green),
                                      pngOfSize({256, 256}, Qt::blue)};
    const QByteArray icon = iconFileOf(images);
    ASSERT_GE(icon.size(), 6 + 3 * 16);
    EXPECT_EQ(at16(icon, 0), 0) << "reserved";
    EXPECT_EQ(at16(icon, 2), 1) << "an icon, not a cursor";
    EXPECT_EQ(at16(icon, 4), 3) << "image count";

    struct Expected {
        int sideByte; // 0 stands for 256
        QColor colour;
    };
    const Expected expected[] = {{16, Qt::red}, {48, Qt::green}, {0, Qt::blue}};
    quint32 nextOffset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const int entry = 6 + 16 * i;
        EXPECT_EQ(static_cast<unsigned char>(icon[entry]), expected[i].sideByte) << "width";
        EXPECT_EQ(static_cast<unsigned char>(icon[entry + 1]), expected[i].sideByte) << "height";
        EXPECT_EQ(icon[entry + 2], 0) << "no palette";
        EXPECT_EQ(at16(icon, entry + 4), 1) << "planes";
        EXPECT_EQ(at16(icon, entry + 6), 32) << "bits per pixel";
        const quint32 size = at32(icon, entry + 8), offset = at32(icon, entry + 12);
        EXPECT_EQ(size, static_cast<quint32>(images[i].size()));
        EXPECT_EQ(offset, nextOffset) << "images follow the directory in order, without gaps";
        nextOffset = offset + size;
        const QImage image = QImage::fromData(icon.mid(offset, size), "PNG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(0, 0), expected[i].colour);
    }
    EXPECT_EQ(static_cast<quint32>(icon.size()), nextOffset) << "nothing after the last image";
}

TEST(IconFile, RefusesImagesAnIconCannotHold) {
    const QByteArray cases[] = {
        pngOfSize({32, 16}, Qt::red),   // not square
        pngOfSize({512, 512}, Qt::red), // larger than an icon's 256
        QByteArray("not a picture"),
    };
    for (const QByteArray& image : cases)
        EXPECT_THROW(iconFileOf({pngOfSize({16, 16}, Qt::red), image}), std::invalid_argument);
}

} // namespace
