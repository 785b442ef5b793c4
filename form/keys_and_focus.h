#pragma once

#include <array>

#include "frames_and_tab_order.h"

namespace vortalin::form {

/// The window's keyboard focus, the same in every window.
///
/// The game handles no key of its own; the keyboard reaches the controls only through the
/// ordinary focus behaviour of a classic window of command buttons, in tab order:
/// - Tab and Shift+Tab move to the next and previous control that takes the focus.
/// - On a focused command button the arrow keys do the same: Right and Down move to the next,
///   Left and Up to the previous, wrapping round. A focused text box keeps its arrow keys for
///   its caret.
/// - Space and Enter press the focused button.
/// - A click on anything that takes no focus (the road, a label, the window's background)
///   leaves the focus where it was.
/// - When the game rewrites a text box the player is typing in, the caret stays where the
///   player put it, or at the end of the new text if that is shorter.
enum class ArrowKey { Left, Up, Right, Down };

/// Whether the arrow keys on a focused control of this kind move the focus.
constexpr bool arrowKeysMoveFocus(ControlKind kind) { return kind == ControlKind::CommandButton; }

/// +1 for the next control in tab order, -1 for the previous.
constexpr int focusStep(ArrowKey key) {
  return key == ArrowKey::Right || key == ArrowKey::Down ? 1 : -1;
}

/// The row that takes the focus when an arrow key is pressed on the focused button in `row`.
constexpr int rowAfterArrow(int row, ArrowKey key) {
  for (int i = 0; i < focusableCount; ++i) {
    if (tabOrder[i] == row) return tabOrder[(i + focusStep(key) + focusableCount) % focusableCount];
  }
  return row;
}

/// Where the caret goes when a text box's text is rewritten under it.
constexpr int caretAfterRewrite(int caret, int newLength) {
  return caret < newLength ? caret : newLength;
}

}  // namespace vortalin::form
