// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/LinkCursor.h"

#include "gui/widgets/Pictures.h"

#include <QGuiApplication>
#include <QPixmap>

#include <map>
#include <string>

namespace {

std::map<std::string, QCursor, std::less<>>& cursors() {
    static std::map<std::string, QCursor, std::less<>> registry;
    return registry;
}

QCursor linkCursor() {
    // The hot spot is given in the picture's design size, whichever rendering is used.
    const QImage picture = programPicture(QStringLiteral("link_cursor"), qApp->devicePixelRatio());
    return QCursor(QPixmap::fromImage(picture), kLinkCursorHotSpot.x(), kLinkCursorHotSpot.y());
}

} // namespace

void registerLinkCursor() {
    auto& registry = cursors();
    if (registry.find(kLinkCursorName) == registry.end())
        registry.emplace(std::string(kLinkCursorName), linkCursor());
}

QCursor namedCursor(std::string_view name) {
    const auto& registry = cursors();
    auto it = registry.find(name);
    return it == registry.end() ? QCursor(Qt::ArrowCursor) : it->second;
}
