#pragma once

#include <windows.h>

namespace vortalin::win32 {

/// Registers a window class of this program once, with the arrow cursor. Throws StartupError
/// if Windows refuses it.
void registerWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure);

}  // namespace vortalin::win32
