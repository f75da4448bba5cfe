// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/help/LinkTarget.h"

#include <QColor>
#include <QCursor>
#include <QWidget>

#include <string>

struct AppContext;

// A label that draws its caption as a link and opens its address through the
// desktop when clicked. While the pointer is over an active link it shows the
// hover colours and the program's hand pointer; leaving restores the pointer
// shape that was there before. The keyboard reaches it too: Tab gives it the
// focus (shown by a focus frame), and Space or Enter then does what a click does.
class LinkLabel : public QWidget {
    Q_OBJECT
  public:
    LinkLabel(AppContext& context, QWidget* parent);

    void setCaption(const QString& caption);
    const QString& caption() const { return caption_; }
    void setLinkedAddress(std::string address) { address_ = std::move(address); }
    const std::string& linkedAddress() const { return address_; }
    void setLinkType(LinkType type) { type_ = type; }
    LinkType linkType() const { return type_; }
    void setLinkActive(bool active);
    bool linkActive() const { return active_; }

    // Background and text colour in the normal state.
    void setColor(const QColor& color);
    const QColor& color() const { return color_; }
    void setFontColor(const QColor& color);
    const QColor& fontColor() const { return fontColor_; }
    // Background and text colour while hovered.
    void setHoverColor(const QColor& color);
    const QColor& hoverColor() const { return hoverColor_; }
    void setHoverFontColor(const QColor& color);
    const QColor& hoverFontColor() const { return hoverFontColor_; }

    // The caption drawn a second time, one pixel right and down, in the button shadow colour.
    void setShowShadow(bool show);
    // No background fill in the normal state.
    void setTransparent(bool transparent);
    // The caption's size plus one pixel each way for the shadow, kept as caption and font change.
    void setAutoSize(bool autoSize);

    bool isHovered() const { return hovered_; }
    // What a click opens; empty when a click opens nothing.
    std::string target() const;
    // The click: opens the target through the desktop.
    void Click();
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

    AppContext& context_;
    QString caption_;
    std::string address_;
    LinkType type_ = LinkType::Web;
    bool active_ = true;
    QColor color_;
    QColor fontColor_{Qt::black};
    QColor hoverColor_;
    QColor hoverFontColor_{Qt::black};
    bool showShadow_ = false;
    bool transparent_ = false;
    bool autoSize_ = false;
    bool hovered_ = false;
    bool pressed_ = false;
    // The pointer shape before entering, put back on leaving: the label's own
    // cursor, or none when the parent's showed through.
    bool pointerChanged_ = false;
    bool hadOwnCursor_ = false;
    QCursor savedCursor_;
};
