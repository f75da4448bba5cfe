// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QImage>
#include <QWidget>

// One of the program's pictures (Pictures.h) at its design size, sharp on
// high-density screens. Stretched, it fills the control; transparent, the
// colour of its bottom-left pixel (the picture's background) lets the parent
// show through. The picture is loaded when it is first needed, not at
// start-up, where the about dialog is created but not shown.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    PictureBox(const QString& pictureName, QWidget* parent);

    void setStretch(bool stretch);
    void setTransparent(bool transparent);
    // The picture as drawn, before stretching; its logical size is the design size.
    const QImage& picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static QImage withoutBackground(const QImage& image);

    QString m_name;
    bool m_transparent = false;
    bool m_stretch = false;
    mutable QImage m_shown;         // empty until first needed
    mutable qreal m_shownRatio = 0; // the screen's device pixel ratio it was loaded for
};
