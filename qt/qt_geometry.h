#pragma once

#include <QPoint>
#include <QRect>

#include "form/twips.h"

namespace vortalin::qt {

using form::twipsToPixels;

/// A position in twips at the nearest whole logical pixel.
inline QPoint twipsToPixels(double left, double top) {
  return {form::twipsToPixels(left), form::twipsToPixels(top)};
}

/// A record's place and size in the inside of its container, in logical pixels.
inline QRect widgetRect(const form::ControlRecord& record) {
  const form::PixelRect rect = form::pixelRect(record);
  return {rect.left, rect.top, rect.width, rect.height};
}

}  // namespace vortalin::qt
