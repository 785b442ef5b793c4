#include "course_view.h"

#include <cmath>
#include <cstdlib>

#include <QPaintEvent>
#include <QPainter>
#include <QTransform>

#include "classic_look.h"
#include "picture_box.h"

namespace vortalin::qt {

namespace {

// Device pixels of a widget's rectangle in the window, as the backing store clips the
// widget's painting to it.
QRect clipInDevice(const QRect& rect, qreal ratio) {
  return (QRegion(rect) * QTransform::fromScale(ratio, ratio)).boundingRect();
}

// The device pixel a painter puts a logical point of the window on.
QPoint pointInDevice(QPoint point, qreal ratio) {
  return {qRound(point.x() * ratio), qRound(point.y() * ratio)};
}

// The logical pixels that cover a rectangle of device pixels.
QRect logicalCover(const QRect& rect, qreal ratio) {
  return QRectF(QPointF(rect.topLeft()) / ratio, QSizeF(rect.size()) / ratio).toAlignedRect();
}

}  // namespace

CourseView::CourseView(QWidget* parent, const QRect& geometry, const QColor& background)
    : QWidget(parent), background_(background) {
  // Opaque, so that Qt paints nothing beneath it and may scroll it by a blit.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(geometry);
}

void CourseView::addBox(PictureBox& box) {
  box.hide();
  Drawn drawn{&box, pointInDevice(box.pos(), devicePixelRatioF()), {}};
  drawn.painted = deviceRect(drawn);
  boxes_.insert(boxes_.begin(), drawn);
  connect(&box, &PictureBox::pictureChanged, this, [this, &box] {
    for (const Drawn& drawn : boxes_) {
      if (drawn.box == &box) updateDevice(deviceRect(drawn));
    }
  });
  updateDevice(drawn.painted);
}

void CourseView::moveBox(PictureBox& box, QPoint topLeft) {
  for (Drawn& drawn : boxes_) {
    if (drawn.box != &box) continue;
    const QPoint delta = topLeft - drawn.place;
    if (delta.isNull()) return;
    drawn.place = topLeft;
    box.move((QPointF(topLeft) / devicePixelRatioF()).toPoint());
    if (&drawn == &boxes_.front()) {
      scrollBackBox(delta);
      return;
    }
    updateDevice(drawn.painted);
    drawn.painted = deviceRect(drawn);
    updateDevice(drawn.painted);
  }
}

// A box's device pixels in the view: its place and its size at the density.
QRect CourseView::deviceRect(const Drawn& drawn) const {
  return {drawn.place, deviceCanvas(*drawn.box).size};
}

void CourseView::updateDevice(const QRect& rect) {
  update(logicalCover(rect, devicePixelRatioF()));
}

// Everything the view shows moves with the back box, except the boxes in front of it: their
// blitted pixels are stale, and each is drawn again at its place. A blit moves whole logical
// pixels; any other move paints the view anew.
void CourseView::scrollBackBox(QPoint delta) {
  const QPointF logical = QPointF(delta) / devicePixelRatioF();
  const QPoint whole = logical.toPoint();
  if (logical != QPointF(whole) || std::abs(whole.x()) >= width() ||
      std::abs(whole.y()) >= height()) {
    update();
  } else {
    scroll(whole.x(), whole.y(), rect());
  }
  for (auto drawn = boxes_.begin() + 1; drawn != boxes_.end(); ++drawn) {
    updateDevice(drawn->painted.translated(delta));
    drawn->painted = deviceRect(*drawn);
    updateDevice(drawn->painted);
  }
}

QRect CourseView::inWindow(const QRect& rect) const {
  return rect.translated(mapTo(window(), QPoint(0, 0)));
}

// Paints in device pixels of the window: each box fills its visible rectangle with its colour
// and draws its picture over it, back to front, over the view's own colour. Only the margins
// around a picture are filled. Each rectangle of the dirty region is painted on its own under
// a rectangular clip: under the region's own clip Qt blends row by row, and hands a draw of
// more than 96 rows to its thread pool.
void CourseView::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatioF();
  QPainter painter(this);
  painter.scale(1 / ratio, 1 / ratio);
  painter.translate(-QPointF(mapTo(window(), QPoint(0, 0))) * ratio);
  const QRect view = clipInDevice(inWindow(rect()), ratio);
  const QPoint origin = pointInDevice(mapTo(window(), QPoint(0, 0)), ratio);
  for (const QRect& part : event->region()) {
    const QRect dirty = clipInDevice(inWindow(part), ratio) & view;
    painter.setClipRect(dirty);
    QRegion bare = dirty;
    for (const Drawn& drawn : boxes_) paintBox(painter, drawn, origin, dirty, bare);
    for (const QRect& rest : bare) painter.fillRect(rest, background_);
  }
}

// The picture sits its frame's width in from the box's top-left corner, and shows as far as
// the box reaches.
void CourseView::paintBox(QPainter& painter, const Drawn& drawn, QPoint origin, const QRect& dirty,
                          QRegion& bare) {
  const PictureBox& box = *drawn.box;
  const QRect outer = deviceRect(drawn).translated(origin);
  const QRect clip = outer & dirty;
  if (clip.isEmpty()) return;
  QRegion margin = clip;
  if (!box.picture().isNull()) {
    const QPixmap& pixels = box.devicePicture();
    const int frame = form::deviceEdge(box.insideRect().x(), deviceCanvas(box).dotsPerInch);
    const QPoint at = outer.topLeft() + QPoint(frame, frame);
    const QRect shown = QRect(at, pixels.size()) & clip;
    if (!shown.isEmpty()) painter.drawPixmap(shown.topLeft(), pixels, shown.translated(-at));
    margin -= shown;
    bare -= shown;
  }
  for (const QRect& part : margin) painter.fillRect(part, box.background());
  bare -= margin;
}

}  // namespace vortalin::qt
