#pragma once

#include <cmath>

#include <QPoint>
#include <QRect>

#include "form_table.h"

namespace vortalin::qt {

/// The one mapping from the window's twips to logical pixels: the nearest whole pixel.
inline int twipsToPixels(double twips) {
  return static_cast<int>(std::lround(twips / form::twipsPerPixel));
}

inline QPoint twipsToPixels(double left, double top) {
  return {twipsToPixels(left), twipsToPixels(top)};
}

/// A record's place and size in the inside of its container, in logical pixels.
inline QRect pixelRect(const form::ControlRecord& record) {
  return {twipsToPixels(record.left, record.top),
          QSize(twipsToPixels(record.width), twipsToPixels(record.height))};
}

}  // namespace vortalin::qt
