// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QWidget>

// A plain panel with a lowered outer and a raised inner one-pixel bevel, drawn
// in the button shadow and highlight colours on the panel's own colour.
class BevelPanel : public QWidget {
  public:
    BevelPanel(const QColor& color, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
