#pragma once

#include <cstdint>
#include <vector>

namespace vortalin::pictures {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

/// A picture as colour-table indices, rows top to bottom.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> pixels;

  std::uint8_t indexAt(int x, int y) const {
    return pixels[static_cast<std::size_t>(y * width + x)];
  }
  Rgb colourAt(int x, int y) const { return palette[indexAt(x, y)]; }
};

}  // namespace vortalin::pictures
