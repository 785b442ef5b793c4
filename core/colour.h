#pragma once

#include <cstdint>

namespace vortalin {

/// A colour as 0x00BBGGRR; a value with the top bit set names a system colour by its low byte.
using Colour = std::uint32_t;

inline constexpr Colour systemColourFlag = 0x80000000u;

/// The system colours the game names, by their index.
enum class SystemColour : unsigned {
  WindowBackground = 5,
  WindowText = 8,
  ButtonFace = 15,
  ButtonText = 18,
};

constexpr Colour systemColour(SystemColour colour) {
  return systemColourFlag | static_cast<Colour>(colour);
}

inline constexpr Colour buttonFace = systemColour(SystemColour::ButtonFace);

}  // namespace vortalin
