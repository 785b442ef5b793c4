#pragma once

#include <windows.h>

#include <string_view>

namespace vortalin::win32 {

struct ButtonLook {
  COLORREF face = 0;
  COLORREF text = 0;
  HFONT font = nullptr;
};

/// The room a caption's ink has on a button of a size: inside the bevel, a pixel clear of it.
SIZE captionRoom(SIZE button);

/// Paints an owner-drawn button for WM_DRAWITEM: its face in its own colour in every state,
/// a raised bevel that sinks while pressed, the caption centred, and the focus rectangle.
void paintButton(const DRAWITEMSTRUCT& item, const ButtonLook& look, std::wstring_view caption);

}  // namespace vortalin::win32
