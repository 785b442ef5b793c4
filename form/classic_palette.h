#pragma once

#include "core/colour.h"
#include "system_colours.h"

namespace vortalin::form {

/// The classic desktop's colours, for a window that draws the system colours and the bevels
/// itself (the page).
struct ClassicPalette {
  Rgb buttonFace{212, 208, 200};
  Rgb buttonHighlight{255, 255, 255};
  Rgb buttonLight{212, 208, 200};
  Rgb buttonShadow{128, 128, 128};
  Rgb buttonDarkShadow{64, 64, 64};
  Rgb buttonText{0, 0, 0};
  Rgb windowBackground{255, 255, 255};
  Rgb windowText{0, 0, 0};
  Rgb activeCaption{0, 0, 128};
  Rgb captionText{255, 255, 255};
};

inline constexpr ClassicPalette classicPalette{};

/// The window's default font, for controls that name none: the classic 9 points.
inline constexpr double defaultFontPoints = 9.0;

/// A colour as the classic desktop shows it: system colours from the classic palette.
constexpr Rgb classicRgb(Colour colour) {
  if (!isSystemColour(colour)) return rgbOf(colour);
  switch (systemColourOf(colour)) {
    case SystemColour::WindowBackground: return classicPalette.windowBackground;
    case SystemColour::WindowText: return classicPalette.windowText;
    case SystemColour::ButtonText: return classicPalette.buttonText;
    case SystemColour::ButtonFace: break;
  }
  return classicPalette.buttonFace;
}

}  // namespace vortalin::form
