// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/CaptionFit.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <functional>

namespace {

constexpr int kLeastPointSize = 6;
// A grown button keeps this distance from its parent's edges.
constexpr int kEdgeMargin = 8;
// Room a group box title keeps beside its text.
constexpr int kTitlePadding = 16;

// Starts from the window's font and steps down until the caption fits.
void shrinkUntilFits(QWidget* widget, const std::function<bool()>& fits) {
    QFont font = widget->window()->font();
    widget->setFont(font);
    while (!fits() && font.pointSize() > kLeastPointSize) {
        font.setPointSize(font.pointSize() - 1);
        widget->setFont(font);
    }
}

// The caption as shown: "&" marks the access key and is not drawn.
QString shownCaption(const QString& caption) {
    QString shown = caption;
    shown.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    shown.remove(u'&');
    shown.replace(u'\x01', u'&');
    return shown;
}

// The width a push button needs for its caption in the given font.
int buttonWidthFor(const QPushButton* button, const QFontMetrics& metrics) {
    const QStyle* style = button->style();
    const int padding = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                        2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 2;
    return metrics.horizontalAdvance(shownCaption(button->text())) + padding;
}

} // namespace

void fitWrappedText(QLabel* label) {
    // Asks the label itself, which knows its wrapping and any rich text.
    shrinkUntilFits(label, [label] { return label->heightForWidth(label->width()) <= label->height(); });
}

void fitGroupBoxTitle(QGroupBox* groupBox) {
    const QString shown = shownCaption(groupBox->title());
    shrinkUntilFits(groupBox, [&] {
        return groupBox->fontMetrics().horizontalAdvance(shown) + kTitlePadding <= groupBox->width();
    });
    // Only the title shrinks, not the controls inside the group.
    for (QWidget* child : groupBox->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(groupBox->window()->font());
}

void fitButtonCaption(QPushButton* button, ButtonAnchor anchor) {
    const QRect design = button->geometry();
    const int needed = buttonWidthFor(button, QFontMetrics(button->window()->font()));
    if (needed > design.width()) {
        const int room = button->parentWidget()->width() - 2 * kEdgeMargin;
        const int width = std::min(needed, room);
        QRect grown = design;
        if (anchor == ButtonAnchor::Right) {
            grown.setLeft(std::max(kEdgeMargin, design.right() + 1 - width));
        } else {
            grown.setWidth(width);
            grown.moveCenter(design.center());
            grown.moveLeft(
                std::clamp(grown.left(), kEdgeMargin, button->parentWidget()->width() - kEdgeMargin - width));
        }
        button->setGeometry(grown);
    }
    shrinkUntilFits(button,
                    [button] { return buttonWidthFor(button, button->fontMetrics()) <= button->width(); });
}
