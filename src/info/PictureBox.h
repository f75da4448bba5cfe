#pragma once
#include <QImage>
#include <QWidget>

// A picture drawn from one of the program's SVG resources at its design size.
// Stretched, it fills the control; transparent, the colour of its bottom-left
// pixel (the picture's background) lets the parent show through. The picture
// is drawn when it is first needed, not at start-up, where the about dialog is
// created but not shown.
class PictureBox : public QWidget {
    Q_OBJECT
  public:
    PictureBox(const QString& resource, QSize pictureSize, QWidget* parent);

    void setStretch(bool stretch);
    void setTransparent(bool transparent);
    // The picture as drawn, before stretching.
    const QImage& picture() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    static QImage withoutBackground(const QImage& image);

    QString resource_;
    QSize pictureSize_;
    bool transparent_ = false;
    bool stretch_ = false;
    mutable QImage shown_; // empty until first needed
};
