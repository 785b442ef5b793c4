#pragma once

#include <span>
#include <string_view>

#include <QFont>

#include "control_record.h"

namespace vortalin::qt {

/// A face the window names and the installed face that stands in where it is missing.
struct FontSubstitute {
  std::string_view face;
  std::string_view substitute;
};

std::span<const FontSubstitute> fontSubstitutes();

/// Registers the substitutes with Qt; a face that is installed is still used as it is.
void registerFontSubstitutes();

/// Lets the painter keep rendered glyphs of the window's largest faces at twice the scale.
/// Qt paints bigger glyphs from their outlines on every repaint; the race redraws its two
/// displays each tick. Call before the first text is painted; a value already set is kept.
void cacheLargeGlyphs();

/// The font a record asks for: its face, size in points and weight.
QFont toQFont(const form::Font& font);

}  // namespace vortalin::qt
