#include "fonts.h"

#include <array>

#include <QString>

#include "utf8.h"

namespace vortalin::qt {

namespace {

// Debian's fonts-liberation and fonts-mplus: a narrow bold sans for Impact, and the
// heaviest M PLUS 1 for the two extra-bold Japanese Gothic faces (it has the arrows).
constexpr std::array substitutes{
    FontSubstitute{"Impact", "Liberation Sans Narrow"},
    FontSubstitute{"ＤＦ特太ゴシック体", "M PLUS 1 Black"},
    FontSubstitute{"ＤＨＰ特太ゴシック体", "M PLUS 1 Black"},
};

}  // namespace

std::span<const FontSubstitute> fontSubstitutes() { return substitutes; }

void registerFontSubstitutes() {
  for (const FontSubstitute& entry : substitutes) {
    QFont::insertSubstitution(fromUtf8(entry.face), fromUtf8(entry.substitute));
  }
}

void cacheLargeGlyphs() {
  // 48 pt (64 pixels, the arrows) at a device pixel ratio of 2, with room to spare.
  constexpr const char* variable = "QT_MAX_CACHED_GLYPH_SIZE";
  if (!qEnvironmentVariableIsSet(variable)) qputenv(variable, "160");
}

QFont toQFont(const form::Font& font) {
  QFont result(fromUtf8(font.face));
  result.setPointSizeF(font.points);
  result.setWeight(static_cast<QFont::Weight>(font.weight));
  return result;
}

}  // namespace vortalin::qt
