#pragma once

#include <windows.h>

namespace vortalin::win32 {

/// Opens the game's window and runs it until it is closed. Returns the exit status: 0 when
/// the player closed the window, 1 when the window could not be made (after saying why).
int runGame(HINSTANCE instance, int showCommand);

}  // namespace vortalin::win32
