#include "message_loop.h"

namespace vortalin::win32 {

// One message per wake-up, and the clock first: a due period never waits behind a flood of
// input.
int runMessageLoop(MainWindow& window) {
  for (;;) {
    const HANDLE clock = window.clock().waitHandle();
    const DWORD woken =
        MsgWaitForMultipleObjectsEx(1, &clock, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (woken == WAIT_OBJECT_0) {
      window.runDueClockPeriods();
      continue;
    }
    MSG message;
    if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) continue;
    if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
    dispatch(window, message);
  }
}

void dispatch(MainWindow& window, MSG& message) {
  if (window.handle() != nullptr && IsDialogMessageW(window.handle(), &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace vortalin::win32
