#pragma once

#include <windows.h>

#include <string_view>

namespace vortalin::win32 {

struct ButtonLook {
  COLORREF face = 0;
  COLORREF text = 0;
  HFONT font = nullptr;
  int dpi = USER_DEFAULT_SCREEN_DPI;
};

/// The room a caption's ink has on a button of a size: within the shared look's caption area.
SIZE captionRoom(SIZE button, int dpi);

/// Paints an owner-drawn button for WM_DRAWITEM as the shared look draws it: its face in its
/// own colour in every state, its rings for its state, the caption's ink centred in the
/// caption area and, while it has the focus, the dotted mark.
void paintButton(const DRAWITEMSTRUCT& item, const ButtonLook& look, std::wstring_view caption);

}  // namespace vortalin::win32
