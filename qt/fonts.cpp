#include "fonts.h"

#include <algorithm>
#include <map>
#include <tuple>

#include <QFontDatabase>
#include <QRawFont>
#include <QString>

#include "form/stand_in_fonts.h"
#include "utf8.h"

namespace vortalin::qt {

namespace {

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

}  // namespace

QFont toQFont(const form::Font& font, const QString& caption) {
  const form::FaceChoice choice = form::chooseFace(font, [&](std::string_view face) {
    return hasEveryGlyph(fromUtf8(face), font.weight, caption);
  });
  QFont result(fromUtf8(choice.face));
  result.setPointSizeF(font.points);
  result.setWeight(static_cast<QFont::Weight>(font.weight));
  // A QFont's stretch is a share of a normal-width face's width, as the choice's is.
  if (choice.widthPercent != 100) result.setStretch(choice.widthPercent);
  return result;
}

}  // namespace vortalin::qt
