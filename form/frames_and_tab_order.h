#pragma once

#include <algorithm>
#include <array>

#include "form_table.h"
#include "pictures.h"
#include "twips.h"

namespace vortalin::form {

/// Width of the default sunken border of text boxes and picture boxes, in pixels.
inline constexpr int sunkenBorderPixels = 2;

/// Pixels a text box keeps between the inside of its border and its text, left and right.
inline constexpr int textBoxMarginPixels = 2;

/// Pixels between a box's outer edge and its inside: its sunken border, or for a box sized
/// to its picture the margin its stored size leaves around the picture.
constexpr int frameWidthPixels(const ControlRecord& record) {
  if (record.border == Border::Sunken) return sunkenBorderPixels;
  if (record.autoSize && record.picture != Picture::None) {
    return (record.width / twipsPerPixel - pictureSize(record.picture).width) / 2;
  }
  return 0;
}

/// Whether the keyboard focus can rest on a control of this kind.
constexpr bool takesFocus(ControlKind kind) {
  return kind == ControlKind::CommandButton || kind == ControlKind::TextBox;
}

inline constexpr int focusableCount = static_cast<int>(
    std::count_if(formTable.begin(), formTable.end(),
                  [](const ControlRecord& record) { return takesFocus(record.kind); }));

/// The rows of the controls that take the focus, in the order the Tab key visits them.
inline constexpr std::array<int, focusableCount> tabOrder = [] {
  std::array<int, focusableCount> rows{};
  int count = 0;
  for (int row = 0; row < static_cast<int>(formTable.size()); ++row) {
    if (takesFocus(formTable[row].kind)) rows[count++] = row;
  }
  std::sort(rows.begin(), rows.end(),
            [](int a, int b) { return formTable[a].tabIndex < formTable[b].tabIndex; });
  return rows;
}();

}  // namespace vortalin::form
