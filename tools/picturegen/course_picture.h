#pragma once

#include "indexed_image.h"

namespace vortalin::pictures {

inline constexpr int courseTableSize = 128;

/// The course strip: the drawing sampled 4 x 4 times per pixel, mapped to a 128-entry table.
IndexedImage drawCourse();

}  // namespace vortalin::pictures
