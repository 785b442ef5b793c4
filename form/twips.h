#pragma once

#include <cmath>

#include "form_table.h"

namespace vortalin::form {

/// Pixels per inch at the window's design scale, where a pixel is 15 twips.
inline constexpr int designDotsPerInch = 96;
inline constexpr int twipsPerInch = 1440;
static_assert(twipsPerInch / designDotsPerInch == twipsPerPixel);

/// The one mapping from the window's twips to pixels: the nearest whole pixel at a density.
inline int twipsToPixels(double twips, int dotsPerInch = designDotsPerInch) {
  return static_cast<int>(std::lround(twips * dotsPerInch / twipsPerInch));
}

inline constexpr double pointsPerInch = 72.0;

/// A font size in points as pixels at a density (not rounded: toolkits round as they need).
constexpr double pointsToPixels(double points, int dotsPerInch = designDotsPerInch) {
  return points * dotsPerInch / pointsPerInch;
}

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

/// A record's place and size in the inside of its container, in pixels at a density.
inline PixelRect pixelRect(const ControlRecord& record, int dotsPerInch = designDotsPerInch) {
  return {twipsToPixels(record.left, dotsPerInch), twipsToPixels(record.top, dotsPerInch),
          twipsToPixels(record.width, dotsPerInch), twipsToPixels(record.height, dotsPerInch)};
}

}  // namespace vortalin::form
