#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vortalin::pictures::testing {

struct Colour {
  int r = 0;
  int g = 0;
  int b = 0;
  friend bool operator==(const Colour&, const Colour&) = default;
};

inline constexpr Colour black{0, 0, 0};
inline constexpr Colour white{255, 255, 255};

/// A GIF file as the decoder sees it: header facts and the first frame's colours.
struct DecodedGif {
  std::string signature;  // "GIF87a" or "GIF89a"
  int width = 0;
  int height = 0;
  std::vector<Colour> globalTable;
  std::vector<Colour> localTable;
  int frames = 0;
  bool interlaced = false;
  int extensionBlocks = 0;
  bool transparentColour = false;
  std::vector<std::uint8_t> indices;

  Colour at(int x, int y) const;
};

std::string picturePath(const std::string& name);
std::vector<std::uint8_t> readBytes(const std::string& path);
DecodedGif decodeGif(const std::string& path);

}  // namespace vortalin::pictures::testing
