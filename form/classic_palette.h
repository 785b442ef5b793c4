#pragma once

#include <array>
#include <string_view>

#include "core/colour.h"
#include "system_colours.h"

namespace vortalin::form {

/// One system colour of the classic desktop scheme, with the name the Windows registry keeps
/// it under (`HKCU\Control Panel\Colors`).
struct ClassicColour {
  SystemColour index;
  std::string_view registryName;
  Rgb rgb;
};

/// The classic desktop's colours, for a window that has no system scheme of its own to draw
/// the look with (Linux, the page) and for a Windows test that sets the scheme.
inline constexpr std::array<ClassicColour, 13> classicColours{{
    {SystemColour::ActiveCaption, "ActiveTitle", {0, 0, 128}},
    {SystemColour::WindowBackground, "Window", {255, 255, 255}},
    {SystemColour::WindowFrame, "WindowFrame", {0, 0, 0}},
    {SystemColour::WindowText, "WindowText", {0, 0, 0}},
    {SystemColour::CaptionText, "TitleText", {255, 255, 255}},
    {SystemColour::Highlight, "Hilight", {0, 0, 128}},
    {SystemColour::HighlightText, "HilightText", {255, 255, 255}},
    {SystemColour::ButtonFace, "ButtonFace", {212, 208, 200}},
    {SystemColour::ButtonShadow, "ButtonShadow", {128, 128, 128}},
    {SystemColour::ButtonText, "ButtonText", {0, 0, 0}},
    {SystemColour::ButtonHighlight, "ButtonHilight", {255, 255, 255}},
    {SystemColour::ButtonDarkShadow, "ButtonDkShadow", {64, 64, 64}},
    {SystemColour::ButtonLight, "ButtonLight", {212, 208, 200}},
}};

/// The window's default font, for controls that name none: the classic 9 points.
inline constexpr double defaultFontPoints = 9.0;

/// A system colour as the classic scheme shows it.
constexpr Rgb classicRgb(SystemColour colour) {
  for (const ClassicColour& entry : classicColours) {
    if (entry.index == colour) return entry.rgb;
  }
  return {};
}

/// A colour as the classic desktop shows it: system colours from the classic scheme.
constexpr Rgb classicRgb(Colour colour) {
  return isSystemColour(colour) ? classicRgb(systemColourOf(colour)) : rgbOf(colour);
}

static_assert([] {
  for (const ClassicColour& entry : classicColours) {
    if (classicRgb(entry.index) != entry.rgb) return false;  // one entry per colour
  }
  return true;
}());

}  // namespace vortalin::form
