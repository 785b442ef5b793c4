#pragma once

#include <span>
#include <string_view>

#include <QFont>

#include "form/control_record.h"

namespace vortalin::qt {

/// A face the window names and the installed face that stands in where it is missing,
/// at a width (a QFont stretch, 100 = normal) that brings it close to the named face's.
struct FontSubstitute {
  std::string_view face;
  std::string_view substitute;
  int stretch = QFont::AnyStretch;
};

std::span<const FontSubstitute> fontSubstitutes();

/// Registers the substitutes with Qt; a face that is installed is still used as it is.
void registerFontSubstitutes();

/// The font a record asks for: its face, size in points and weight, and the substitute's
/// width where the face is not installed.
QFont toQFont(const form::Font& font);

}  // namespace vortalin::qt
