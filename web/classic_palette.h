#pragma once

#include "core/colour.h"
#include "form/system_colours.h"

namespace vortalin::web {

/// The classic desktop's colours, which the page draws the system colours and the bevels in.
struct ClassicPalette {
  form::Rgb buttonFace{212, 208, 200};
  form::Rgb buttonHighlight{255, 255, 255};
  form::Rgb buttonLight{212, 208, 200};
  form::Rgb buttonShadow{128, 128, 128};
  form::Rgb buttonDarkShadow{64, 64, 64};
  form::Rgb buttonText{0, 0, 0};
  form::Rgb windowBackground{255, 255, 255};
  form::Rgb windowText{0, 0, 0};
};

inline constexpr ClassicPalette classicPalette{};

/// The window's default font, for controls that name none: the classic 9 points.
inline constexpr double defaultFontPoints = 9.0;

constexpr form::Rgb rgbOnPage(Colour colour) {
  if (!form::isSystemColour(colour)) return form::rgbOf(colour);
  switch (form::systemColourOf(colour)) {
    case form::SystemColour::WindowBackground: return classicPalette.windowBackground;
    case form::SystemColour::WindowText: return classicPalette.windowText;
    case form::SystemColour::ButtonText: return classicPalette.buttonText;
    case form::SystemColour::ButtonFace: break;
  }
  return classicPalette.buttonFace;
}

}  // namespace vortalin::web
