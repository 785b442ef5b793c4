#pragma once

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

}  // namespace vortalin::form
