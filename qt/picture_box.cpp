#include "picture_box.h"

#include <vector>

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

#include "classic_look.h"
#include "form/pictures.h"

namespace vortalin::qt {

namespace {

// Enlarged by the shared rule, not Qt's scaler, whose fixed-point steps drift by a pixel
// down a tall picture at a scale that is not whole.
QPixmap enlarged(const QPixmap& picture, QSize size) {
  QImage source = picture.toImage();
  if (source.depth() != 32) source = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  QImage image(size, source.format());
  std::vector<int> columns(static_cast<std::size_t>(size.width()));
  for (int x = 0; x < size.width(); ++x) {
    columns[static_cast<std::size_t>(x)] = form::sourcePixel(x, source.width(), size.width());
  }
  for (int y = 0; y < size.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(
        source.constScanLine(form::sourcePixel(y, source.height(), size.height())));
    auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (const int column : columns) *to++ = from[column];
  }
  return QPixmap::fromImage(image);
}

}  // namespace

PictureBox::PictureBox(QWidget* parent, const QRect& geometry, form::Rings border,
                       int frameWidth, const QColor& background)
    : QWidget(parent),
      border_(border),
      frameWidth_(frameWidth),
      background_(background),
      inside_(new QWidget(this)) {
  setFocusPolicy(Qt::NoFocus);
  setGeometry(geometry);
  inside_->setObjectName(QStringLiteral("inside"));
  inside_->setGeometry(insideRect());
}

void PictureBox::setPicture(const QPixmap& picture) {
  picture_ = picture;
  devicePicture_ = {};
  update();
  emit pictureChanged();
}

// Scaled once per device pixel ratio, without smoothing.
const QPixmap& PictureBox::devicePicture() const {
  const qreal ratio = devicePixelRatioF();
  if (devicePicture_.isNull() || devicePictureRatio_ != ratio) {
    const QSize natural = picture_.deviceIndependentSize().toSize();
    devicePicture_ =
        natural * ratio == picture_.size() ? picture_ : enlarged(picture_, natural * ratio);
    devicePicture_.setDevicePixelRatio(1);
    devicePictureRatio_ = ratio;
  }
  return devicePicture_;
}

QRect PictureBox::insideRect() const {
  return rect().adjusted(frameWidth_, frameWidth_, -frameWidth_, -frameWidth_);
}

// Paints only the dirty part: the course strip is far taller than the view onto it. The
// picture is drawn in device pixels, so it is always a plain copy, whatever the scale.
void PictureBox::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRect dirty = event->rect();
  painter.fillRect(dirty, background_);
  inDevicePixels(painter, *this, [&] {
    fillRings(painter, border_, deviceCanvas(*this));
    if (picture_.isNull()) return;
    const qreal ratio = devicePixelRatioF();
    const QRect inside = insideRect();
    painter.setClipRect(QRectF(QPointF(inside.topLeft()) * ratio, QSizeF(inside.size()) * ratio),
                        Qt::IntersectClip);
    painter.drawPixmap(QPointF(inside.topLeft()) * ratio, devicePicture());
  });
}

}  // namespace vortalin::qt
