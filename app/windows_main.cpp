#include <windows.h>

#include "win32/application.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  return vortalin::win32::runGame(instance, showCommand);
}
