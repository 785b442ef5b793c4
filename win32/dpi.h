#pragma once

#include <windows.h>

namespace vortalin::win32 {

/// Dots per inch of the screen a window is on: per monitor where Windows tells it (10 and
/// later), else the system's.
int windowDpi(HWND window);

/// The outer size of a window whose inside (client area) has the given size, at a density.
SIZE outerSize(SIZE inside, DWORD style, DWORD extendedStyle, int dpi);

/// The font Windows uses for messages, at a density: the window's default font.
LOGFONTW messageFont(int dpi);

}  // namespace vortalin::win32
