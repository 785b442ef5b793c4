#pragma once

#include <algorithm>
#include <array>
#include <span>

#include "core/colour.h"
#include "frames_and_tab_order.h"
#include "twips.h"

namespace vortalin::form {

/// The classic look of the window's controls, as data every window draws from.
///
/// A control's border is a stack of rings, outermost first. Each ring is one design pixel wide
/// and names two system colours: one for its top and left sides, one for its bottom and right.
/// The bottom-right colour owns the ring's top-right and bottom-left corners, as the classic
/// desktop draws them. A focused command button also shows a dotted focus mark that inverts
/// what lies under it.
///
/// Scaling: the look is laid on the design's pixel grid, and every edge of that grid, counted
/// from the control's nearest outer edge, goes to the nearest whole device pixel, as the
/// controls' own places do. A ring is therefore always whole device pixels of one colour,
/// never a blend; at 1.5 a two-ring bevel comes to 2 and 1 device pixels, 3 in all, which is
/// the frame the layout leaves at that scale.
///
/// Choices the design leaves open, made once for every window:
/// - The focused button is the default button, so it also shows the dark outer frame.
/// - A pressed button is flat, framed dark with a shadow line inside, and its caption moves
///   one design pixel right and down.
/// - The focus mark is a checkerboard of dots, each dot as wide as the mark's line.
/// - Buttons centre their caption's ink, not its line, on the button: a face's line can lie
///   far from its glyphs, which would set the arrows low enough for the bevel to cut them.
/// - A caption is cut at the inside of the button's current rings, so the rings always show
///   whole: the arrows, nearly as wide as their buttons, lose their tips' outer pixel while
///   the dark frame of the focus narrows the inside.
/// - Keys and focus follow `keys_and_focus.h`; a text box shows its caret where the player
///   left it.
struct Ring {
  SystemColour topLeft;
  SystemColour bottomRight;
};

using Rings = std::span<const Ring>;

inline constexpr Ring windowFrameRing{SystemColour::WindowFrame, SystemColour::WindowFrame};

inline constexpr std::array<Ring, 2> raisedBevel{{
    {SystemColour::ButtonHighlight, SystemColour::ButtonDarkShadow},
    {SystemColour::ButtonLight, SystemColour::ButtonShadow},
}};
inline constexpr std::array<Ring, 3> focusedBevel{{
    windowFrameRing,
    {SystemColour::ButtonHighlight, SystemColour::ButtonDarkShadow},
    {SystemColour::ButtonLight, SystemColour::ButtonShadow},
}};
inline constexpr std::array<Ring, 2> pressedBevel{{
    windowFrameRing,
    {SystemColour::ButtonShadow, SystemColour::ButtonShadow},
}};
inline constexpr std::array<Ring, 2> sunkenBevel{{
    {SystemColour::ButtonShadow, SystemColour::ButtonHighlight},
    {SystemColour::ButtonDarkShadow, SystemColour::ButtonLight},
}};
inline constexpr std::array<Ring, 1> singleBorder{{windowFrameRing}};

static_assert(sunkenBevel.size() == sunkenBorderPixels, "the layout leaves room for the bevel");

/// Where a button's focus mark lies, in design pixels from its outer edge, and its width.
inline constexpr int focusMarkInset = 4;
inline constexpr int focusMarkWidth = 1;

/// How far a pressed button's caption moves right and down, in design pixels.
inline constexpr int pressedCaptionShift = 1;

struct ButtonState {
  bool focused = false;
  bool pressed = false;
};

constexpr Rings buttonRings(ButtonState state) {
  if (state.pressed) return pressedBevel;
  if (state.focused) return focusedBevel;
  return raisedBevel;
}

/// The rings of a control other than a command button: its border as the table gives it.
constexpr Rings borderRings(const ControlRecord& record) {
  switch (record.border) {
    case Border::Sunken: return sunkenBevel;
    case Border::Single: return singleBorder;
    case Border::None: break;
  }
  return {};
}

/// The one scaling rule: a distance of whole design pixels from an outer edge, as whole device
/// pixels at a density (halves round up, as `twipsToPixels` rounds).
constexpr int deviceEdge(int designPixels, int dotsPerInch) {
  return (2 * designPixels * dotsPerInch + designDotsPerInch) / (2 * designDotsPerInch);
}

struct DeviceRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

/// A control's rectangle in device pixels, `inset` design pixels in from each outer edge.
constexpr DeviceRect insetRect(int width, int height, int inset, int dotsPerInch) {
  const int edge = deviceEdge(inset, dotsPerInch);
  return {edge, edge, width - 2 * edge, height - 2 * edge};
}

/// Calls `fill(DeviceRect, SystemColour)` for the sides of each ring of a control `width` by
/// `height` device pixels, outermost ring first, top and left before bottom and right.
template <class Fill>
constexpr void paintRings(Rings rings, int width, int height, int dotsPerInch, Fill&& fill) {
  for (int k = 0; k < static_cast<int>(rings.size()); ++k) {
    const DeviceRect outer = insetRect(width, height, k, dotsPerInch);
    const int line = deviceEdge(k + 1, dotsPerInch) - deviceEdge(k, dotsPerInch);
    if (line <= 0 || outer.width <= 0 || outer.height <= 0) return;
    const int right = outer.left + outer.width;
    const int bottom = outer.top + outer.height;
    const Ring& ring = rings[k];
    fill(DeviceRect{outer.left, outer.top, outer.width - line, line}, ring.topLeft);
    fill(DeviceRect{outer.left, outer.top + line, line, outer.height - 2 * line}, ring.topLeft);
    fill(DeviceRect{outer.left, bottom - line, outer.width, line}, ring.bottomRight);
    fill(DeviceRect{right - line, outer.top, line, outer.height - line}, ring.bottomRight);
  }
}

/// Calls `invert(DeviceRect)` for each dot of a focused button's mark: a ring of
/// `focusMarkWidth` design pixels `focusMarkInset` in, dotted as a checkerboard of squares as
/// wide as its line, counted from its top-left corner.
template <class Invert>
constexpr void paintFocusMark(int width, int height, int dotsPerInch, Invert&& invert) {
  const DeviceRect mark = insetRect(width, height, focusMarkInset, dotsPerInch);
  const int dot = deviceEdge(focusMarkInset + focusMarkWidth, dotsPerInch) -
                  deviceEdge(focusMarkInset, dotsPerInch);
  if (dot <= 0 || mark.width < 2 * dot || mark.height < 2 * dot) return;
  const int right = mark.left + mark.width;
  const int bottom = mark.top + mark.height;
  const int lastColumn = right - dot;
  const int lastRow = bottom - dot;
  // A dot clipped to `limitX`/`limitY`, so that no pixel is inverted twice.
  const auto dotAt = [&](int x, int y, int limitX, int limitY) {
    if (((x - mark.left) / dot + (y - mark.top) / dot) % 2 != 0) return;
    invert(DeviceRect{x, y, std::min(dot, limitX - x), std::min(dot, limitY - y)});
  };
  for (int x = mark.left; x < right; x += dot) {
    dotAt(x, mark.top, right, lastRow);
    dotAt(x, lastRow, right, bottom);
  }
  for (int y = mark.top + dot; y < lastRow; y += dot) {
    dotAt(mark.left, y, lastColumn, lastRow);
    dotAt(lastColumn, y, right, lastRow);
  }
}

/// Where a button's caption may show: inside its current rings.
constexpr DeviceRect captionClip(int width, int height, ButtonState state, int dotsPerInch) {
  return insetRect(width, height, static_cast<int>(buttonRings(state).size()), dotsPerInch);
}

/// The area a button's caption ink is centred in: the button inside its raised bevel, moved
/// right and down while it is pressed. The same whether or not the button has the focus, so
/// the caption does not move when the focus comes or goes.
constexpr DeviceRect captionArea(int width, int height, ButtonState state, int dotsPerInch) {
  DeviceRect area =
      insetRect(width, height, static_cast<int>(raisedBevel.size()), dotsPerInch);
  if (state.pressed) {
    const int shift = deviceEdge(pressedCaptionShift, dotsPerInch);
    area.left += shift;
    area.top += shift;
  }
  return area;
}

/// Where a text box's text runs: inside its bevel, with the text margin left and right;
/// the line is centred between the top and bottom of the inside.
constexpr DeviceRect textBoxTextArea(int width, int height, int dotsPerInch) {
  const int side = deviceEdge(sunkenBorderPixels + textBoxMarginPixels, dotsPerInch);
  const int rim = deviceEdge(sunkenBorderPixels, dotsPerInch);
  return {side, rim, width - 2 * side, height - 2 * rim};
}

/// Where a label's text starts: the top of its line at the top of the inside of its border,
/// at the inside's left (or centred across it, or at its right, by its alignment).
constexpr DeviceRect labelTextArea(const ControlRecord& record, int width, int height,
                                   int dotsPerInch) {
  return insetRect(width, height, static_cast<int>(borderRings(record).size()), dotsPerInch);
}

}  // namespace vortalin::form
