// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/BevelPanel.h"

#include <QPainter>

namespace {

// One-pixel frame: top and left in `topLeft`, bottom and right in `bottomRight`.
void frame3D(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

BevelPanel::BevelPanel(const QColor& color, QWidget* parent) : QWidget(parent) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

void BevelPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor shadow = palette().color(QPalette::Dark);
    const QColor highlight = palette().color(QPalette::Light);
    QRect r = rect();
    frame3D(p, r, shadow, highlight); // lowered outer bevel
    r.adjust(1, 1, -1, -1);
    frame3D(p, r, highlight, shadow); // raised inner bevel
}
