#include "application.h"

#include <exception>

#include "main_window.h"
#include "message_loop.h"
#include "startup_error.h"

namespace vortalin::win32 {

int runGame(HINSTANCE instance, int showCommand) {
  try {
    MainWindow window(instance);
    window.show(showCommand);
    return runMessageLoop(window);
  } catch (const std::exception& error) {
    tellFailure(error.what());
  } catch (...) {
    tellFailure("an unknown error stopped the program");
  }
  return 1;
}

}  // namespace vortalin::win32
