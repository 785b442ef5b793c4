#pragma once

#include <functional>
#include <memory>

class QWidget;

namespace vortalin::qt {

/// Process-wide set-up the window relies on (glyph caching, the classic style). Call once,
/// after the application object exists and before the first window is built.
void prepareApplication();

/// Builds the window with `build`, shows it and runs the application until it closes. A
/// failure on the way is told to the player in a message box and on standard error, and the
/// exit status is then 1.
int runWindow(const std::function<std::unique_ptr<QWidget>()>& build);

}  // namespace vortalin::qt
