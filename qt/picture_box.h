#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include "form/classic_look.h"

namespace vortalin::qt {

/// A box that fills its inside with a background colour, shows a picture at the inside's
/// top-left corner at its natural size, and holds child controls clipped to its inside.
/// The frame around the inside shows the border's rings, or none, on the background.
class PictureBox final : public QWidget {
  Q_OBJECT

 public:
  /// A box at a fixed place and size in its parent; `frameWidth` pixels lie around the inside.
  PictureBox(QWidget* parent, const QRect& geometry, form::Rings border, int frameWidth,
             const QColor& background);

  void setPicture(const QPixmap& picture);
  const QPixmap& picture() const { return picture_; }
  QColor background() const { return background_; }
  form::Rings border() const { return border_; }

  /// The area within the frame, in this box's coordinates.
  QRect insideRect() const;
  /// The parent for child controls: it covers the inside and clips them to it.
  QWidget& inside() { return *inside_; }

  /// The picture at one picture pixel to one logical pixel, in device pixels of this box.
  const QPixmap& devicePicture() const;

 signals:
  void pictureChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  form::Rings border_;
  int frameWidth_;
  QColor background_;
  QPixmap picture_;
  mutable QPixmap devicePicture_;
  mutable qreal devicePictureRatio_ = 0;
  QWidget* inside_;
};

}  // namespace vortalin::qt
