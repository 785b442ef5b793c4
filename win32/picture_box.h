#pragma once

#include <windows.h>

#include "classic_look.h"

namespace vortalin::win32 {

/// What a picture box shows: its frame (the course's sunken border), its background and, at
/// the top-left of its inside, a picture at its size.
struct PictureBoxLook {
  COLORREF background = 0;
  Frame frame;
  HBITMAP picture = nullptr;  // owned by the form's controls
  SIZE pictureSize{};
  int margin = 0;  // pixels between the box's edge and its picture
};

/// The window class of picture boxes, registered on first use (throws StartupError if
/// Windows refuses it). A box is created with a pointer to its look (kept alive by its
/// owner) as the creation parameter.
const wchar_t* pictureBoxClass(HINSTANCE instance);

}  // namespace vortalin::win32
