// SPDX-License-Identifier: GPL-3.0-or-later
#include "IconFile.h"

#include <QImage>
#include <QtEndian>

#include <stdexcept>

namespace {

void append16(QByteArray& out, quint16 value) {
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void append32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

} // namespace

QByteArray iconFileOf(const QList<QByteArray>& pngImages) {
    constexpr int kHeaderSize = 6;
    constexpr int kEntrySize = 16;
    QByteArray out;
    append16(out, 0); // reserved
    append16(out, 1); // an icon, not a cursor
    append16(out, static_cast<quint16>(pngImages.size()));
    quint32 offset = kHeaderSize + kEntrySize * pngImages.size();
    for (const QByteArray& png : pngImages) {
        const QImage image = QImage::fromData(png, "PNG");
        if (image.isNull() || image.width() != image.height() || image.width() > 256)
            throw std::invalid_argument("an icon image must be a square PNG of at most 256 pixels");
        const char side = static_cast<char>(image.width() == 256 ? 0 : image.width()); // 0 means 256
        out.append(side);
        out.append(side);
        out.append('\0');  // no palette
        out.append('\0');  // reserved
        append16(out, 1);  // colour planes
        append16(out, 32); // bits per pixel
        append32(out, static_cast<quint32>(png.size()));
        append32(out, offset);
        offset += static_cast<quint32>(png.size());
    }
    for (const QByteArray& png : pngImages)
        out.append(png);
    return out;
}
