#pragma once

#include <windows.h>

#include "core/colour.h"

namespace vortalin::win32 {

/// A colour of the control table as Windows draws it: a system colour is looked up now.
COLORREF toColorRef(Colour colour);

}  // namespace vortalin::win32
