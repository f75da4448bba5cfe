#include "info/LinkCursor.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <map>
#include <string>

namespace {

std::map<std::string, QCursor, std::less<>>& cursors() {
    static std::map<std::string, QCursor, std::less<>> registry;
    return registry;
}

QCursor linkCursor() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QSvgRenderer(QStringLiteral(":/link_cursor.svg")).render(&painter);
    painter.end();
    return QCursor(picture, kLinkCursorHotSpot.x(), kLinkCursorHotSpot.y());
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
