#include "fonts.h"

#include <algorithm>
#include <map>
#include <tuple>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QRawFont>
#include <QScreen>
#include <QString>

#include "utf8.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "form/stand_in_fonts.h"
#include "form/twips.h"

namespace vortalin::qt {

namespace {

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

// Whether the face itself has every character of the text, without Qt's fallback faces.
bool hasEveryGlyph(const QString& face, int weight, const QString& text) {
  static std::map<std::tuple<QString, int, QString>, bool> answers;
  const auto [answer, added] = answers.try_emplace({face, weight, text}, false);
  if (!added) return answer->second;
  if (!isInstalled(face)) return false;
  QFont font(face);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setStyleStrategy(QFont::NoFontMerging);
  const QRawFont raw = QRawFont::fromFont(font);
  const QList<uint> characters = text.toUcs4();
  answer->second = raw.isValid() && std::ranges::all_of(characters, [&raw](uint character) {
                     return raw.supportsCharacter(character);
                   });
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

QFont toQFont(const form::Font& font, const QString& caption) {
  const form::FaceChoice choice = form::chooseFace(font, [&](std::string_view face) {
    return hasEveryGlyph(fromUtf8(face), font.weight, caption);
  });
  QFont result(fromUtf8(choice.face));
  result.setPointSizeF(font.points);
  result.setWeight(static_cast<QFont::Weight>(font.weight));
  if (choice.widthPercent != 100) result.setStretch(choice.widthPercent);
  return result;
}

}  // namespace vortalin::qt
