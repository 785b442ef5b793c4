#include "application_setup.h"

#include "fonts.h"

namespace vortalin::qt {

void prepareApplication() {
  registerFontSubstitutes();
  cacheLargeGlyphs();
}

}  // namespace vortalin::qt
