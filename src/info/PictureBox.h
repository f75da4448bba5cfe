#pragma once
#include <QImage>
#include <QWidget>

// A picture drawn from one of the program's SVG resources at its design size.
// Stretched, it fills the control; transparent, the colour of its bottom-left
// pixel (the picture's background) lets the parent show through.
class PictureBox : public QWidget {
  public:
    PictureBox(const QString& resource, QSize pictureSize, QWidget* parent);

    void setStretch(bool stretch);
    void setTransparent(bool transparent);
    // The picture as drawn, before stretching.
    const QImage& picture() const { return shown_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static QImage withoutBackground(const QImage& image);

    QImage rendered_;
    QImage shown_;
    bool stretch_ = false;
};
