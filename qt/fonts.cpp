#include "fonts.h"

#include <algorithm>
#include <array>
#include <map>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include "utf8.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "form/stand_in_fonts.h"
#include "form/twips.h"

namespace vortalin::qt {

namespace {

// Debian's fonts-liberation and fonts-mplus: for Impact the narrow bold sans, condensed
// further; the heaviest M PLUS 1 for the two extra-bold Japanese Gothic faces (it has the
// arrows).
constexpr std::array substitutes{
    FontSubstitute{form::impactFace, "Liberation Sans Narrow", form::impactStandInWidthPercent},
    FontSubstitute{"ＤＦ特太ゴシック体", "M PLUS 1 Black"},
    FontSubstitute{"ＤＨＰ特太ゴシック体", "M PLUS 1 Black"},
};

// The two displays are the only text the race redraws every tick.
qreal largestDisplayPixelSize() {
  qreal largest = 0;
  for (std::string_view name : {form::energyControl, form::distanceControl}) {
    largest = std::max(largest, form::pointsToPixels(form::findControl(name)->font->points));
  }
  return largest;
}

// Asked of the font database once per face: each answer takes a tenth of a millisecond, and
// the window names the same face for most of its controls.
bool isInstalled(const QString& face) {
  static std::map<QString, bool> answers;
  const auto [answer, added] = answers.try_emplace(face, false);
  if (added) answer->second = QFontDatabase::hasFamily(face);
  return answer->second;
}

qreal largestScreenRatio() {
  qreal largest = 1;
  for (const QScreen* screen : QGuiApplication::screens()) {
    largest = std::max(largest, screen->devicePixelRatio());
  }
  return largest;
}

}  // namespace

std::span<const FontSubstitute> fontSubstitutes() { return substitutes; }

void registerFontSubstitutes() {
  for (const FontSubstitute& entry : substitutes) {
    QFont::insertSubstitution(fromUtf8(entry.face), fromUtf8(entry.substitute));
  }
}

// Qt's FreeType engine keeps rendered glyphs up to 64 pixels only, a limit built into Qt;
// larger glyphs are painted from their outlines on every repaint, which at a device pixel
// ratio of 2 includes the display the race redraws each tick. Raising the paint engine's
// limit alone (QT_MAX_CACHED_GLYPH_SIZE) is no cure: the paint engine then asks the FreeType
// engine for rendered glyphs it never keeps, and those glyphs are not drawn at all. With the
// FreeType engine's cache off, the paint engine renders each glyph once into its own cache,
// at any size up to its limit; text layout then loads glyph metrics afresh, which costs more
// than it saves until the displays' glyphs outgrow the FreeType engine's limit.
void cacheLargeGlyphs() {
  constexpr const char* freetypeCacheOff = "QT_NO_FT_CACHE";
  constexpr const char* largestCachedGlyph = "QT_MAX_CACHED_GLYPH_SIZE";
  constexpr qreal freetypeCacheLimit = 64;
  const bool setByUser =
      qEnvironmentVariableIsSet(freetypeCacheOff) || qEnvironmentVariableIsSet(largestCachedGlyph);
  if (setByUser) return;
  if (largestDisplayPixelSize() * largestScreenRatio() <= freetypeCacheLimit) return;
  qputenv(freetypeCacheOff, "1");
  // 48 pt (64 pixels, the arrows) at a device pixel ratio of 2, with room to spare; kept
  // well below 256 pixels, beyond which Qt renders no glyph into a cache.
  qputenv(largestCachedGlyph, "160");
}

QFont toQFont(const form::Font& font) {
  const QString face = fromUtf8(font.face);
  QFont result(face);
  result.setPointSizeF(font.points);
  result.setWeight(static_cast<QFont::Weight>(font.weight));
  const auto* entry = std::ranges::find(substitutes, font.face, &FontSubstitute::face);
  if (entry != substitutes.end() && !isInstalled(face)) result.setStretch(entry->stretch);
  return result;
}

}  // namespace vortalin::qt
