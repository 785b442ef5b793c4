#include "classic_look.h"

#include <QPainter>
#include <QWidget>

#include "colours.h"

namespace vortalin::qt {

namespace {

QRect toQRect(const form::DeviceRect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}

}  // namespace

DeviceCanvas deviceCanvas(const QWidget& widget) {
  const qreal ratio = widget.devicePixelRatioF();
  return {QSize(qRound(widget.width() * ratio), qRound(widget.height() * ratio)),
          qRound(ratio * form::designDotsPerInch)};
}

QRectF logicalRect(const form::DeviceRect& rect, const QWidget& widget) {
  const qreal ratio = widget.devicePixelRatioF();
  return {rect.left / ratio, rect.top / ratio, rect.width / ratio, rect.height / ratio};
}

void fillRings(QPainter& painter, form::Rings rings, const DeviceCanvas& canvas) {
  form::paintRings(rings, canvas.size.width(), canvas.size.height(), canvas.dotsPerInch,
                   [&painter](const form::DeviceRect& rect, SystemColour colour) {
                     painter.fillRect(toQRect(rect), toQColor(colour));
                   });
}

// White subtracted from what lies beneath, and the sign dropped: its inverse.
void invertFocusMark(QPainter& painter, const DeviceCanvas& canvas) {
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_Difference);
  form::paintFocusMark(canvas.size.width(), canvas.size.height(), canvas.dotsPerInch,
                       [&painter](const form::DeviceRect& rect) {
                         painter.fillRect(toQRect(rect), Qt::white);
                       });
  painter.restore();
}

}  // namespace vortalin::qt
