#include "colours.h"

#include "form/system_colours.h"

namespace vortalin::win32 {

// A plain colour is already laid out as COLORREF is: 0x00BBGGRR.
COLORREF toColorRef(Colour colour) {
  if (form::isSystemColour(colour)) {
    return GetSysColor(static_cast<int>(form::systemColourOf(colour)));
  }
  return static_cast<COLORREF>(colour);
}

}  // namespace vortalin::win32
