#pragma once

#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace vortalin::pictures {

/// A Windows icon file holding one 24-bit image, every pixel opaque.
std::vector<std::uint8_t> encodeIcon(const IndexedImage& image);

}  // namespace vortalin::pictures
