#include "message_loop.h"

#include "startup_error.h"

namespace vortalin::win32 {

// One message per wake-up, and the clock first: a due period never waits behind a flood of
// input. A wait or a clock that fails ends the program with a message, never a busy loop or
// a race that stands still.
int runMessageLoop(MainWindow& window) {
  for (;;) {
    const HANDLE clock = window.clock().waitHandle();
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &clock, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken == WAIT_FAILED) {
      tellFailure(withErrorCode("cannot wait for the window's messages", GetLastError()));
      return 1;
    }
    if (woken == WAIT_OBJECT_0) {
      window.clockWoke();
    } else if (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
      dispatch(window, message);
    }
    if (const std::optional<DWORD> error = window.clock().failure()) {
      tellFailure(withErrorCode("cannot set the game clock", *error));
      return 1;
    }
  }
}

void dispatch(MainWindow& window, MSG& message) {
  if (window.handle() != nullptr &&
      (window.moveFocusByArrow(message) || IsDialogMessageW(window.handle(), &message))) {
    return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace vortalin::win32
