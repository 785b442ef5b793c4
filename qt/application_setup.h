#pragma once

namespace vortalin::qt {

/// Process-wide set-up the window relies on (font substitutes, glyph caching). Call once,
/// after the application object exists and before the first window is built.
void prepareApplication();

}  // namespace vortalin::qt
