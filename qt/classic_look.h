#pragma once

#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QWidget>

#include "form/classic_look.h"

namespace vortalin::qt {

/// A widget's surface in device pixels: its size and the density it is drawn at.
struct DeviceCanvas {
  QSize size;
  int dotsPerInch = form::designDotsPerInch;
};

DeviceCanvas deviceCanvas(const QWidget& widget);

/// A rectangle of a widget's device pixels in its logical coordinates.
QRectF logicalRect(const form::DeviceRect& rect, const QWidget& widget);

/// Fills each ring's sides with its colours; `painter` works in device pixels.
void fillRings(QPainter& painter, form::Rings rings, const DeviceCanvas& canvas);

/// Inverts the pixels under each dot of the focus mark; `painter` works in device pixels.
void invertFocusMark(QPainter& painter, const DeviceCanvas& canvas);

/// Runs `paint()` with `painter` on `widget` turned to its device pixels, from its top-left
/// corner, so that every line of the look lands on whole pixels.
template <class Paint>
void inDevicePixels(QPainter& painter, const QWidget& widget, Paint&& paint) {
  const qreal ratio = widget.devicePixelRatioF();
  painter.save();
  painter.scale(1 / ratio, 1 / ratio);
  paint();
  painter.restore();
}

}  // namespace vortalin::qt
