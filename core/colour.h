#pragma once

#include <cstdint>

namespace vortalin {

/// A colour as 0x00BBGGRR; a value with the top bit set names a system colour by its low byte.
using Colour = std::uint32_t;

inline constexpr Colour systemColourFlag = 0x80000000u;

/// The system colours the game and its classic look name, by their index.
enum class SystemColour : unsigned {
  ActiveCaption = 2,
  WindowBackground = 5,
  WindowFrame = 6,
  WindowText = 8,
  CaptionText = 9,
  Highlight = 13,
  HighlightText = 14,
  ButtonFace = 15,
  ButtonShadow = 16,
  ButtonText = 18,
  ButtonHighlight = 20,
  ButtonDarkShadow = 21,
  ButtonLight = 22,
};

constexpr Colour systemColour(SystemColour colour) {
  return systemColourFlag | static_cast<Colour>(colour);
}

inline constexpr Colour buttonFace = systemColour(SystemColour::ButtonFace);

}  // namespace vortalin
