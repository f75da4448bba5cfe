// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/widgets/LinkLabel.h"

#include "core/program/ErrorGuard.h"
#include "gui/widgets/AccessibleControls.h"
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

LinkLabel::LinkLabel(platform::Platform& platform, const ErrorGuard& guard, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_guard(guard) {
    registerLinkCursor();
    registerAccessibleControls();
    setFocusPolicy(Qt::TabFocus);
    m_color = palette().color(QPalette::Window);
    m_hoverColor = m_color;
}

void LinkLabel::setCaption(const QString& caption) {
    m_caption = caption;
    fitToCaption();
    update();
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
}

void LinkLabel::setLinkActive(bool active) {
    m_active = active;
    if (!active) leaveHover();
}

void LinkLabel::setColor(const QColor& color) {
    m_color = color;
    update();
}

void LinkLabel::setFontColor(const QColor& color) {
    m_fontColor = color;
    update();
}

void LinkLabel::setHoverColor(const QColor& color) {
    m_hoverColor = color;
    update();
}

void LinkLabel::setHoverFontColor(const QColor& color) {
    m_hoverFontColor = color;
    update();
}

void LinkLabel::setShowShadow(bool show) {
    m_showShadow = show;
    update();
}

void LinkLabel::setTransparent(bool transparent) {
    m_transparent = transparent;
    update();
}

void LinkLabel::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    fitToCaption();
}

QSize LinkLabel::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(m_caption) + 1, fm.height() + 1};
}

void LinkLabel::fitToCaption() {
    if (m_autoSize) resize(sizeHint());
}

std::string LinkLabel::target() const {
    if (!isEnabled() || !m_active) return {};
    return linkTarget(m_type, m_address);
}

void LinkLabel::click() {
    const std::string t = target();
    if (!t.empty()) m_platform.shellOpen(t);
}

void LinkLabel::clickFromAssistiveTechnology() {
    m_guard.run([this] { click(); });
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (!m_active || !isEnabled() || m_hovered) return;
    m_hadOwnCursor = testAttribute(Qt::WA_SetCursor);
    m_savedCursor = cursor();
    m_pointerChanged = true;
    setCursor(namedCursor(kLinkCursorName));
    m_hovered = true;
    update();
}

void LinkLabel::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    leaveHover();
}

void LinkLabel::leaveHover() {
    // Only a pointer shape this label changed is put back.
    if (m_pointerChanged) {
        if (m_hadOwnCursor)
            setCursor(m_savedCursor);
        else
            unsetCursor();
        m_pointerChanged = false;
    }
    if (m_hovered) {
        m_hovered = false;
        update();
    }
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button, both on the label.
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
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
    if (!m_transparent || (m_hovered && m_hoverColor != m_color))
        p.fillRect(rect(), m_hovered ? m_hoverColor : m_color);
    QFont f = font();
    if (m_hovered) f.setUnderline(true);
    p.setFont(f);
    const QRect text = rect().adjusted(0, 0, -1, -1);
    if (m_showShadow) {
        p.setPen(palette().color(QPalette::Dark));
        p.drawText(text.translated(1, 1), kTextFlags, m_caption);
    }
    p.setPen(m_hovered ? m_hoverFontColor : m_fontColor);
    p.drawText(text, kTextFlags, m_caption);
    // The keyboard focus: a dotted frame around the caption, as Windows draws it.
    if (hasFocus()) {
        p.setPen(QPen(m_hovered ? m_hoverFontColor : m_fontColor, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void LinkLabel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitToCaption();
    // A link disabled under the pointer leaves the hover state at once.
    if (event->type() == QEvent::EnabledChange && !isEnabled()) leaveHover();
}
