#pragma once

#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace vortalin::pictures {

/// An RGBA PNG of side x side pixels with the image centred on a transparent square.
std::vector<std::uint8_t> encodeCentredPng(const IndexedImage& image, int side);

}  // namespace vortalin::pictures
