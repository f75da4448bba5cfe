// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/ScreenCentre.h"

#include <QMargins>
#include <QScreen>
#include <QWidget>

namespace {

QMargins frameOf(const QWidget* w) {
    const QRect outer = w->frameGeometry();
    const QRect inner = w->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

} // namespace

void centreOnScreen(QWidget* window, const QWidget* reference) {
    const QWidget* anchor = reference ? reference->window() : window;
    QScreen* screen = anchor->screen();
    if (!screen) return;
    QMargins frame = frameOf(window);
    if (frame.isNull() && anchor != window && anchor->isVisible()) frame = frameOf(anchor);
    QRect outer(QPoint(0, 0), window->size().grownBy(frame));
    outer.moveCenter(screen->availableGeometry().center());
    window->move(outer.topLeft()); // a window's position is its frame's
}
