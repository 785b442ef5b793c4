#include "picture_box.h"

#include <QPainter>
#include <qdrawutil.h>

namespace vortalin::ui {

PictureBox::PictureBox(QWidget* parent, const QRect& geometry, Frame frame, int frameWidth,
                       const QColor& background)
    : QWidget(parent),
      frame_(frame),
      frameWidth_(frameWidth),
      background_(background),
      inside_(new QWidget(this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setGeometry(geometry);
  inside_->setObjectName(QStringLiteral("inside"));
  inside_->setGeometry(insideRect());
}

void PictureBox::setPicture(const QPixmap& picture) {
  picture_ = picture;
  update();
}

QRect PictureBox::insideRect() const {
  return rect().adjusted(frameWidth_, frameWidth_, -frameWidth_, -frameWidth_);
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  if (frame_ == Frame::Sunken) {
    qDrawWinPanel(&painter, rect(), palette(), true);
  }
  if (!picture_.isNull()) {
    // One picture pixel to one logical pixel; any device scaling stays unsmoothed.
    const QRect inside = insideRect();
    const QSize natural = picture_.size() / picture_.devicePixelRatio();
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.drawPixmap(QRect(inside.topLeft(), natural), picture_);
  }
}

}  // namespace vortalin::ui
