// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/help/LinkTarget.h"

#include <QColor>
#include <QCursor>
#include <QWidget>

#include <string>

class ErrorGuard;
namespace platform {
class Platform;
}

// A label that draws its caption as a link and opens its address through the
// desktop when clicked. While the pointer is over an active link it shows the
// hover colours and the program's hand pointer; leaving restores the pointer
// shape that was there before. The keyboard reaches it too: Tab gives it the
// focus (shown by a focus frame), and Space or Enter then does what a click does.
class LinkLabel : public QWidget {
    Q_OBJECT
  public:
    // Opens its target through `platform`; a click runs inside `guard`.
    LinkLabel(platform::Platform& platform, const ErrorGuard& guard, QWidget* parent);

    void setCaption(const QString& caption);
    const QString& caption() const { return m_caption; }
    void setLinkedAddress(std::string address) { m_address = std::move(address); }
    const std::string& linkedAddress() const { return m_address; }
    void setLinkType(LinkType type) { m_type = type; }
    LinkType linkType() const { return m_type; }
    void setLinkActive(bool active);
    bool linkActive() const { return m_active; }

    // Background and text colour in the normal state.
    void setColor(const QColor& color);
    const QColor& color() const { return m_color; }
    void setFontColor(const QColor& color);
    const QColor& fontColor() const { return m_fontColor; }
    // Background and text colour while hovered.
    void setHoverColor(const QColor& color);
    const QColor& hoverColor() const { return m_hoverColor; }
    void setHoverFontColor(const QColor& color);
    const QColor& hoverFontColor() const { return m_hoverFontColor; }

    // The caption drawn a second time, one pixel right and down, in the button shadow colour.
    void setShowShadow(bool show);
    // No background fill in the normal state.
    void setTransparent(bool transparent);
    // The caption's size plus one pixel each way for the shadow, kept as caption and font change.
    void setAutoSize(bool autoSize);

    bool isHovered() const { return m_hovered; }
    // What a click opens; empty when a click opens nothing.
    std::string target() const;
    // The click: opens the target through the desktop.
    void click();
    // A screen reader's press: the click, inside the error guard.
    void clickFromAssistiveTechnology();

    QSize sizeHint() const override;

  protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void fitToCaption();
    void leaveHover();

    platform::Platform& m_platform;
    const ErrorGuard& m_guard;
    QString m_caption;
    std::string m_address;
    LinkType m_type = LinkType::Web;
    bool m_active = true;
    QColor m_color;
    QColor m_fontColor{Qt::black};
    QColor m_hoverColor;
    QColor m_hoverFontColor{Qt::black};
    bool m_showShadow = false;
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_hovered = false;
    bool m_pressed = false;
    // The pointer shape before entering, put back on leaving: the label's own
    // cursor, or none when the parent's showed through.
    bool m_pointerChanged = false;
    bool m_hadOwnCursor = false;
    QCursor m_savedCursor;
};
