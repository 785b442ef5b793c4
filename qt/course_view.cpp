#include "course_view.h"

#include <cstdlib>

#include <QPaintEvent>
#include <QPainter>
#include <QTransform>

#include "picture_box.h"

namespace vortalin::qt {

namespace {

// Device pixels of a widget's rectangle in the window, as the backing store clips the
// widget's painting to it.
QRect clipInDevice(const QRect& rect, qreal ratio) {
  return (QRegion(rect) * QTransform::fromScale(ratio, ratio)).boundingRect();
}

// Device pixels a painter fills for a rectangle given in logical pixels of the window: each
// edge goes to the nearest device pixel boundary.
QRect fillInDevice(const QRect& rect, qreal ratio) {
  const int left = qRound(rect.x() * ratio);
  const int top = qRound(rect.y() * ratio);
  const int right = qRound((rect.x() + rect.width()) * ratio);
  const int bottom = qRound((rect.y() + rect.height()) * ratio);
  return {left, top, right - left, bottom - top};
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
  boxes_.insert(boxes_.begin(), Drawn{&box, box.geometry()});
  connect(&box, &PictureBox::pictureChanged, this, [this, &box] { update(box.geometry()); });
  update(box.geometry());
}

void CourseView::moveBox(PictureBox& box, QPoint topLeft) {
  const QPoint delta = topLeft - box.pos();
  if (delta.isNull()) return;
  box.move(topLeft);
  if (&box == boxes_.front().box) {
    scrollBackBox(delta);
    return;
  }
  for (Drawn& drawn : boxes_) {
    if (drawn.box != &box) continue;
    update(drawn.painted);
    drawn.painted = box.geometry();
    update(drawn.painted);
  }
}

// Everything the view shows moves with the back box, except the boxes in front of it: their
// blitted pixels are stale, and each is drawn again at its place.
void CourseView::scrollBackBox(QPoint delta) {
  if (std::abs(delta.x()) >= width() || std::abs(delta.y()) >= height()) {
    update();
  } else {
    scroll(delta.x(), delta.y(), rect());
  }
  for (auto drawn = boxes_.begin() + 1; drawn != boxes_.end(); ++drawn) {
    update(drawn->painted.translated(delta));
    drawn->painted = drawn->box->geometry();
    update(drawn->painted);
  }
}

QRect CourseView::inWindow(const QRect& rect) const {
  return rect.translated(mapTo(window(), QPoint(0, 0)));
}

// Paints in device pixels of the window what the ordinary widgets would: each box fills its
// visible rectangle with its colour and draws its picture over it, back to front, over the
// view's own colour. Only the margins around a picture are filled. Each rectangle of the
// dirty region is painted on its own under a rectangular clip: under the region's own clip
// Qt blends row by row, and hands a draw of more than 96 rows to its thread pool.
void CourseView::paintEvent(QPaintEvent* event) {
  const qreal ratio = devicePixelRatioF();
  QPainter painter(this);
  painter.scale(1 / ratio, 1 / ratio);
  painter.translate(-QPointF(mapTo(window(), QPoint(0, 0))) * ratio);
  const QRect view = clipInDevice(inWindow(rect()), ratio);
  for (const QRect& part : event->region()) {
    const QRect dirty = clipInDevice(inWindow(part), ratio) & view;
    painter.setClipRect(dirty);
    QRegion bare = dirty;
    for (const Drawn& drawn : boxes_) paintBox(painter, *drawn.box, dirty, bare);
    for (const QRect& rest : bare) painter.fillRect(rest, background_);
  }
}

void CourseView::paintBox(QPainter& painter, const PictureBox& box, const QRect& dirty,
                          QRegion& bare) {
  const qreal ratio = devicePixelRatioF();
  const QRect outer = inWindow(box.geometry());
  const QRect visible = outer & inWindow(rect());
  const QRect clip = clipInDevice(visible, ratio) & dirty;
  if (clip.isEmpty()) return;
  QRegion margin = fillInDevice(visible, ratio) & clip;
  if (!box.picture().isNull()) {
    const QPixmap& pixels = box.devicePicture();
    const QRect inside = box.insideRect().translated(outer.topLeft());
    const QPointF at = QPointF(inside.topLeft()) * ratio;
    const QPoint origin(qRound(at.x()), qRound(at.y()));
    const QRect shown = QRect(origin, pixels.size()) & fillInDevice(inside, ratio) & clip;
    if (!shown.isEmpty()) painter.drawPixmap(shown.topLeft(), pixels, shown.translated(-origin));
    margin -= shown;
    bare -= shown;
  }
  for (const QRect& part : margin) painter.fillRect(part, box.background());
  bare -= margin;
}

}  // namespace vortalin::qt
