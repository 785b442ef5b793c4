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

// Asked of the font database once per face: each answer takes a tenth of a millisecond, and
// the window names the same face for most of its controls.
bool isInstalled(const QString& face) {
  static std::map<QString, bool> answers;
  const auto [answer, added] = answers.try_emplace(face, false);
  if (added) answer->second = QFontDatabase::hasFamily(face);
  return answer->second;
}

}  // namespace

std::span<const FontSubstitute> fontSubstitutes() { return substitutes; }

void registerFontSubstitutes() {
  for (const FontSubstitute& entry : substitutes) {
    QFont::insertSubstitution(fromUtf8(entry.face), fromUtf8(entry.substitute));
  }
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
