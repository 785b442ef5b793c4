#pragma once

#include <cstdint>
#include <vector>

#include "indexed_image.h"

namespace vortalin::pictures {

enum class GifVersion { gif87a, gif89a };
enum class ColourTablePlace { global, local };

/// One opaque, non-interlaced frame with no extension blocks.
/// The palette size must be a power of two from 2 to 256.
std::vector<std::uint8_t> encodeGif(const IndexedImage& image, GifVersion version,
                                    ColourTablePlace place);

}  // namespace vortalin::pictures
