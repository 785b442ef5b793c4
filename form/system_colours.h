#pragma once

#include <cstdint>

#include "core/colour.h"

namespace vortalin::form {

using vortalin::SystemColour;

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr bool isSystemColour(Colour colour) { return (colour & systemColourFlag) != 0; }

/// The system colour a value names; only meaningful where `isSystemColour` holds.
constexpr SystemColour systemColourOf(Colour colour) {
  return static_cast<SystemColour>(colour & 0xFFu);
}

/// The red, green and blue of a plain (not system) colour.
constexpr Rgb rgbOf(Colour colour) {
  return {static_cast<std::uint8_t>(colour & 0xFFu),
          static_cast<std::uint8_t>((colour >> 8) & 0xFFu),
          static_cast<std::uint8_t>((colour >> 16) & 0xFFu)};
}

/// What a control that names no colour of its own shows: a button-face background, and text
/// in the button-text colour on buttons and labels, the window colours in text boxes.
inline constexpr Colour defaultBackground = buttonFace;
inline constexpr Colour defaultButtonText = systemColour(SystemColour::ButtonText);
inline constexpr Colour defaultTextBoxBackground = systemColour(SystemColour::WindowBackground);
inline constexpr Colour defaultTextBoxText = systemColour(SystemColour::WindowText);

}  // namespace vortalin::form
