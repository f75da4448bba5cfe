// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/LinkLabel.h"

#include "gui/AppContext.h"
#include "gui/AccessibleControls.h"
#include "gui/widgets/LinkCursor.h"
#include "platform/Platform.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;

} // namespace

LinkLabel::LinkLabel(AppContext& context, QWidget* parent) : QWidget(parent), context_(context) {
    registerLinkCursor();
    registerAccessibleControls();
    setFocusPolicy(Qt::TabFocus);
    color_ = palette().color(QPalette::Window);
    hoverColor_ = color_;
}

void LinkLabel::setCaption(const QString& caption) {
    caption_ = caption;
    fitToCaption();
    update();
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

void LinkLabel::setLinkActive(bool active) {
    active_ = active;
    if (!active) leaveHover();
}

void LinkLabel::setColor(const QColor& color) {
    color_ = color;
    update();
}

void LinkLabel::setFontColor(const QColor& color) {
    fontColor_ = color;
    update();
}

void LinkLabel::setHoverColor(const QColor& color) {
    hoverColor_ = color;
    update();
}

void LinkLabel::setHoverFontColor(const QColor& color) {
    hoverFontColor_ = color;
    update();
}

void LinkLabel::setShowShadow(bool show) {
    showShadow_ = show;
    update();
}

void LinkLabel::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void LinkLabel::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToCaption();
}

QSize LinkLabel::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(caption_) + 1, fm.height() + 1};
}

void LinkLabel::fitToCaption() {
    if (autoSize_) resize(sizeHint());
}

std::string LinkLabel::target() const {
    if (!isEnabled() || !active_) return {};
    return linkTarget(type_, address_);
}

void LinkLabel::Click() {
    const std::string t = target();
    if (!t.empty()) context_.platform.shellOpen(t);
}

void LinkLabel::clickFromAssistiveTechnology() {
    context_.guard.run([this] { Click(); });
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!active_ || !isEnabled() || hovered_) return;
    hadOwnCursor_ = testAttribute(Qt::WA_SetCursor);
    savedCursor_ = cursor();
    pointerChanged_ = true;
    setCursor(namedCursor(kLinkCursorName));
    hovered_ = true;
    update();
}

void LinkLabel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    leaveHover();
}

void LinkLabel::leaveHover() {
    // Only a pointer shape this label changed is put back.
    if (pointerChanged_) {
        if (hadOwnCursor_)
            setCursor(savedCursor_);
        else
            unsetCursor();
        pointerChanged_ = false;
    }
    if (hovered_) {
        hovered_ = false;
        update();
    }
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button, both on the label.
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click) clickFromAssistiveTechnology();
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            clickFromAssistiveTechnology();
            return; // taken: the dialog's default button does not fire as well
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_ || (hovered_ && hoverColor_ != color_))
        p.fillRect(rect(), hovered_ ? hoverColor_ : color_);
    QFont f = font();
    if (hovered_) f.setUnderline(true);
    p.setFont(f);
    const QRect text = rect().adjusted(0, 0, -1, -1);
    if (showShadow_) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawText(text.translated(1, 1), kTextFlags, caption_);
    }
    p.setPen(hovered_ ? hoverFontColor_ : fontColor_);
    p.drawText(text, kTextFlags, caption_);
    // The keyboard focus: a dotted frame around the caption, as Windows draws it.
    if (hasFocus()) {
        p.setPen(QPen(hovered_ ? hoverFontColor_ : fontColor_, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void LinkLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToCaption();
    // A link disabled under the pointer leaves the hover state at once.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) leaveHover();
}
