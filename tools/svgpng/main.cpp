// SPDX-License-Identifier: GPL-3.0-or-later
// svgpng: renders the program's SVG pictures to PNG when the program is built,
// so that the program embeds bitmaps and needs no SVG renderer when it runs.
//
//   svgpng <picture.svg> <picture.png> <scale>   the picture at its own size times scale
//   svgpng --ico <picture.svg> <icon.ico> <size>...   a Windows icon, one square image per size
//   svgpng --square <picture.svg> <picture.png> <size>   one square image (a desktop theme's icon)
#include "IconFile.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cstdio>
#include <stdexcept>

namespace {

QImage render(QSvgRenderer& svg, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray pngOf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw std::runtime_error("cannot encode a PNG");
    return png;
}

// Written whole or not at all, so that a failed run leaves no truncated
// picture behind that the build would take for up to date.
void writeFile(const QString& path, const QByteArray& data) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

int positive(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value <= 0 || value > 4096) throw std::invalid_argument("not a size: " + text.toStdString());
    return value;
}

int run(const QStringList& args) {
    if (args.size() == 5 && args[1] == QLatin1String("--square")) {
        QSvgRenderer svg(args[2]);
        if (!svg.isValid()) throw std::runtime_error("not a readable SVG picture: " + args[2].toStdString());
        const int side = positive(args[4]);
        writeFile(args[3], pngOf(render(svg, QSize(side, side))));
        return 0;
    }
    const bool icon = args.size() >= 4 && args[1] == QLatin1String("--ico");
    const int first = icon ? 2 : 1;
    if ((icon && args.size() < 5) || (!icon && args.size() != 4)) {
        std::fputs("usage: svgpng <picture.svg> <picture.png> <scale>\n"
                   "       svgpng --ico <picture.svg> <icon.ico> <size>...\n"
                   "       svgpng --square <picture.svg> <picture.png> <size>\n",
                   stderr);
        return 2;
    }
    QSvgRenderer svg(args[first]);
    if (!svg.isValid()) throw std::runtime_error("not a readable SVG picture: " + args[first].toStdString());
    if (!icon) {
        writeFile(args[first + 1], pngOf(render(svg, svg.defaultSize() * positive(args[first + 2]))));
        return 0;
    }
    QList<QByteArray> images;
    for (int i = first + 2; i < args.size(); ++i) {
        const int side = positive(args[i]);
        images.append(pngOf(render(svg, QSize(side, side))));
    }
    writeFile(args[first + 1], iconFileOf(images));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Text in a picture needs fonts, and fonts need a GUI application; no
    // display is needed for that.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        return run(app.arguments());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "svgpng: %s\n", e.what());
        return 1;
    }
}
