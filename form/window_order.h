#pragma once

#include <array>

#include "frames_and_tab_order.h"

namespace vortalin::form {

/// Whether a control is a window of its own on screen (not the form, not the timer).
constexpr bool isChildWindow(const ControlRecord& record) {
  return record.kind != ControlKind::Window && record.kind != ControlKind::Timer;
}

constexpr bool overlaps(const ControlRecord& a, const ControlRecord& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

/// Whether `a` must come before (in front of) `b` among its container's children: focusable
/// controls in tab order, overlapping ones in stacking order, and the others (boxes that
/// may move over each other) always in stacking order.
constexpr bool mustPrecede(const ControlRecord& a, const ControlRecord& b) {
  if (a.container != b.container) return false;
  const bool aFocus = takesFocus(a.kind);
  const bool bFocus = takesFocus(b.kind);
  if (aFocus && bFocus) return a.tabIndex < b.tabIndex;
  if (aFocus != bFocus && !overlaps(a, b)) return false;
  return a.stacking < b.stacking;
}

inline constexpr int childWindowCount =
    static_cast<int>(std::count_if(formTable.begin(), formTable.end(), isChildWindow));

/// The rows of the child windows in one order per container, front first, that draws
/// overlapping controls in their stacking order and visits the focusable ones in tab order:
/// for toolkits that take the tab order from the stacking order.
inline constexpr std::array<int, childWindowCount> windowOrder = [] {
  constexpr int rows = static_cast<int>(formTable.size());
  std::array<int, childWindowCount> order{};
  std::array<bool, formTable.size()> placed{};
  const auto ready = [&](int row) {
    if (placed[row] || !isChildWindow(formTable[row])) return false;
    for (int other = 0; other < rows; ++other) {
      if (!placed[other] && isChildWindow(formTable[other]) &&
          mustPrecede(formTable[other], formTable[row])) {
        return false;
      }
    }
    return true;
  };
  for (int& next : order) {
    int row = 0;
    while (row < rows && !ready(row)) ++row;
    if (row == rows) throw "the tab order contradicts the stacking of overlapping controls";
    placed[row] = true;
    next = row;
  }
  return order;
}();

}  // namespace vortalin::form
