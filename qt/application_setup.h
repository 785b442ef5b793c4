#pragma once

namespace vortalin::qt {

/// Process-wide set-up the window relies on (glyph caching, font substitutes, the classic
/// style). Call once, after the application object exists and before the first window is built.
void prepareApplication();

}  // namespace vortalin::qt
