#pragma once

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "control_record.h"
#include "form_table.h"

namespace vortalin::form {

/// Faces that may stand in where a face the window names is not installed, in the order they
/// are tried: Windows' own faces first, then those of Debian's font packages (for Wine and
/// Linux). Each kind holds faces of one character set that are heavy at weight 700.
inline constexpr std::array<std::string_view, 4> latinStandIns{
    "Arial Narrow", "Liberation Sans Narrow", "Arial", "Liberation Sans"};
inline constexpr std::array<std::string_view, 8> japaneseGothicStandIns{
    "Yu Gothic UI", "Yu Gothic", "Meiryo UI",        "Meiryo",
    "MS PGothic",   "MS Gothic", "Noto Sans CJK JP", "IPAexGothic"};

/// Impact is a heavy face far narrower than the sans faces that stand in for it: a stand-in
/// is drawn at this share of a normal-width face's width, so the captions keep their designed
/// proportions and "MORVANTE" fits the title's square on one line. A face that is narrow by
/// design (Liberation Sans Narrow, 75 %) is condensed only by what remains, which keeps its
/// strokes bold.
inline constexpr int impactStandInWidthPercent = 58;

/// How wide each OpenType width class (1 ultra-condensed to 9 ultra-expanded) is drawn against
/// a face of normal width, in percent.
inline constexpr std::array<int, 9> percentOfWidthClass{50, 63, 75, 88, 100, 113, 125, 150, 200};

/// A face's width by design in percent of a normal-width face's; 100 for a class out of range.
constexpr int designedWidthPercent(int widthClass) {
  if (widthClass < 1 || widthClass > static_cast<int>(percentOfWidthClass.size())) return 100;
  return percentOfWidthClass[widthClass - 1];
}

/// The factor a face's widths are drawn at so it comes to `percent` of a normal-width face's
/// width: a face narrow by design is condensed only by what remains, and none is widened.
constexpr double condensingScale(int percent, int designedPercent) {
  return std::min(static_cast<double>(percent) / designedPercent, 1.0);
}

/// The stand-ins of a font's kind, by its character set.
constexpr std::span<const std::string_view> standInsFor(const Font& font) {
  if (font.charset == shiftJisCharset) return japaneseGothicStandIns;
  return latinStandIns;
}

/// The face a control draws with, and the share of a normal-width face's width it is drawn at.
struct FaceChoice {
  std::string_view face;
  int widthPercent = 100;
  bool operator==(const FaceChoice&) const = default;
};

/// The face to draw a caption with: the named face where it is installed and has every glyph
/// of the caption, otherwise the first stand-in of its kind that does. `covers(face)` tells
/// whether a face is installed and has every glyph. Where nothing covers the caption, the
/// named face is kept and the toolkit picks its nearest match.
template <class Covers>
constexpr FaceChoice chooseFace(const Font& font, Covers&& covers) {
  if (covers(font.face)) return {font.face};
  for (std::string_view face : standInsFor(font)) {
    if (!covers(face)) continue;
    return {face, font.face == impactFace ? impactStandInWidthPercent : 100};
  }
  return {font.face};
}

/// A face the page carries, subset from a font file of Debian's: a page can count on no
/// installed face and can condense none, so it brings one of each kind, already drawn at the
/// share of its width the table gives. Its family is renamed, as the altered face it is.
struct CarriedFace {
  std::string_view family;
  std::string_view file;
  int fontNumber = 0;  // in a font collection
  int charset = 0;     // the kind it stands in for
  int widthClass = 5;  // its width by design
  int widthPercent = 100;
};

/// Roboto Condensed is condensed by design (its own width class says normal) and heavy enough
/// to be condensed further; Noto Sans CJK JP Bold's arrows are the Japanese kind's.
inline constexpr std::array<CarriedFace, 2> pageFaces{{
    {"Vortalin Condensed", "/usr/share/fonts/truetype/roboto/unhinted/RobotoCondensed-Bold.ttf",
     0, 0, 3, impactStandInWidthPercent},
    {"Vortalin Arrows", "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 0,
     shiftJisCharset, 5, 100},
}};

constexpr bool pageCarriesFaceFor(const Font& font) {
  for (const CarriedFace& face : pageFaces) {
    if (face.charset == font.charset) return true;
  }
  return false;
}

constexpr const CarriedFace* findPageFace(const Font& font) {
  for (const CarriedFace& face : pageFaces) {
    if (face.charset == font.charset) return &face;
  }
  return nullptr;
}

// Compares no addresses: GCC's AddressSanitizer makes address comparisons non-constant.
static_assert([] {
  for (const ControlRecord& record : formTable) {
    if (record.font && !pageCarriesFaceFor(*record.font)) return false;
  }
  return true;
}(), "every font's kind in the table has a face the page carries");

/// The face the page draws a font's kind with where the named face is not installed.
constexpr const CarriedFace& pageFaceFor(const Font& font) { return *findPageFace(font); }

/// A control that names no font draws with the system's face for Latin text at
/// `defaultFontPoints`: the Linux window with its toolkit's default face (fontconfig's
/// "Sans Serif", which is DejaVu Sans on Debian), the Windows window with the system's message
/// font. The page names that Linux face, then the browser's sans-serif for English text: left
/// to the page's Japanese language a browser picks a Japanese face, whose line is a third
/// taller and sets the text lower than the other windows do.
struct SystemFace {
  std::string_view face;
  std::string_view pageLanguage;
};
inline constexpr SystemFace systemFace{"DejaVu Sans", "en"};

}  // namespace vortalin::form
