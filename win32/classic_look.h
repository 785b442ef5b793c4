#pragma once

#include <windows.h>

#include "form/classic_look.h"

namespace vortalin::win32 {

/// A control's border: the shared look's rings at a density, in the system's colours.
struct Frame {
  form::Rings rings;
  int dpi = USER_DEFAULT_SCREEN_DPI;
  int lineHeight = 0;                 // a one-line text box's line, centred in the inside
  WNDPROC systemProcedure = nullptr;  // of a window of a system class, once framed
};

/// A part of a control, given from its top-left corner, placed in the control's `area`.
RECT placeIn(const RECT& area, const form::DeviceRect& part);

/// Paints rings over `area` of a device context.
void paintRings(HDC dc, RECT area, form::Rings rings, int dpi);

/// Inverts the dots of a focused button's mark over `area`.
void invertFocusMark(HDC dc, RECT area, int dpi);

/// Takes a frame's rings off a window's outer rectangle, and where it holds a line, the room
/// above and below it: what is left is the window's inside.
void takeFrameOff(const Frame& frame, RECT& outer);

/// Paints a window's frame into its non-client area (the room around a line in the window's
/// background).
void paintFrame(HWND window, const Frame& frame);

/// Gives a window of a system class (an edit or a static control) a frame drawn from the
/// shared look in place of Windows' own border; the frame must outlive the window, and the
/// window's user data is the frame's. Set the window's place afterwards with
/// SWP_FRAMECHANGED for Windows to make room for it.
void frameWindow(HWND window, Frame& frame);

}  // namespace vortalin::win32
