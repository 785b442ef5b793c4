#include "application.h"

#include "main_window.h"
#include "message_loop.h"
#include "startup_error.h"
#include "text.h"
#include "vortalin/identity.h"

namespace vortalin::win32 {

int runGame(HINSTANCE instance, int showCommand) {
  try {
    MainWindow window(instance);
    window.show(showCommand);
    return runMessageLoop(window);
  } catch (const StartupError& error) {
    MessageBoxW(nullptr, toUtf16(error.what()).c_str(), toUtf16(identity::name).c_str(),
                MB_OK | MB_ICONERROR);
    return 1;
  }
}

}  // namespace vortalin::win32
