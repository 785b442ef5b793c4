#pragma once

#include "main_window.h"

namespace vortalin::win32 {

/// Dispatches the window's messages and runs its clock on this thread until the window is
/// closed; returns the exit status.
int runMessageLoop(MainWindow& window);

}  // namespace vortalin::win32
