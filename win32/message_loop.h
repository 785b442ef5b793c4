#pragma once

#include "main_window.h"

namespace vortalin::win32 {

/// Dispatches the window's messages and runs its clock on this thread until the window is
/// closed; returns the exit status.
int runMessageLoop(MainWindow& window);

/// Hands one message to its window: keyboard navigation (Tab, arrows, Space, Enter) is the
/// dialog manager's, everything else the window procedure's.
void dispatch(MainWindow& window, MSG& message);

}  // namespace vortalin::win32
