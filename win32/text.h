#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vortalin::win32 {

/// The game's texts are UTF-8; Windows' wide API takes UTF-16.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

/// The whole text of a window: a caption, or what a text box holds.
std::wstring windowText(HWND window);

}  // namespace vortalin::win32
