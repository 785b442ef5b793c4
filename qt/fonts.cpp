#include "fonts.h"

#include <algorithm>
#include <map>
#include <tuple>

#include <QFontDatabase>
#include <QGuiApplication>
#include <QRawFont>
#include <QString>

#include "form/stand_in_fonts.h"
#include "utf8.h"

namespace vortalin::qt {

namespace {

// The font database's answers, asked once each: an answer takes a tenth of a millisecond, and
// the window names the same face for most of its controls. Forgotten whenever the database
// changes (fonts installed, removed or added by the application).
struct Answers {
  std::map<QString, bool> installed;
  std::map<std::tuple<QString, int, QString>, bool> hasEveryGlyph;
};

Answers& answers() {
  static Answers answers;
  static QMetaObject::Connection forgetting;
  if (!forgetting && qGuiApp) {
    answers = {};
    forgetting = QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp,
                                  [] { answers = {}; });
  }
  return answers;
}

bool isInstalled(const QString& face) {
  std::map<QString, bool>& known = answers().installed;
  if (const auto found = known.find(face); found != known.end()) return found->second;
  const bool answer = QFontDatabase::hasFamily(face);
  answers().installed.emplace(face, answer);
  return answer;
}

// Whether the face itself has every character of the text, without Qt's fallback faces.
bool hasEveryGlyph(const QString& face, int weight, const QString& text) {
  const std::tuple key{face, weight, text};
  auto& known = answers().hasEveryGlyph;
  if (const auto found = known.find(key); found != known.end()) return found->second;
  bool answer = false;
  if (isInstalled(face)) {
    QFont font(face);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(font);
    const QList<uint> characters = text.toUcs4();
    answer = raw.isValid() && std::ranges::all_of(characters, [&raw](uint character) {
               return raw.supportsCharacter(character);
             });
  }
  answers().hasEveryGlyph.emplace(key, answer);
  return answer;
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
