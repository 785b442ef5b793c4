#pragma once

#include <windows.h>

#include <vector>

namespace vortalin::win32 {

/// Paints what is due in a window and in all its controls with one copy to the screen:
/// every window that shows draws its inside into one bitmap (WM_PRINTCLIENT), bottom to
/// top, and the due parts of it are copied at once. Each window painting its own part
/// instead, the screen can be handed a tick half drawn: under Wine, a control's copy may
/// send the whole window to X before the next control has drawn. The controls' frames are
/// left to their own painting. Returns false, having copied nothing and left the painting
/// due, where a bitmap could not be had or drawn.
bool paintDueInOneCopy(HWND window);

/// What a window draws of its inside for WM_PRINTCLIENT: the part the given DC lets through.
std::vector<RECT> printedParts(HDC dc);

}  // namespace vortalin::win32
