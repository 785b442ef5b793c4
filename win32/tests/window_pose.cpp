// Shows the game's window in one of the poses its pictures are compared in (opening, red),
// its clock standing still, until the window is closed; prints the control that has the
// focus. Usage: window_pose opening|red
#include <windows.h>

#include <cstdio>
#include <string>

#include "game/tests/window_pose.h"
#include "win32/main_window.h"
#include "win32/message_loop.h"

namespace {

vortalin::game::Time timeStandsStill() { return {}; }

}  // namespace

int main(int argc, char* argv[]) {
  const auto pose = argc == 2 ? vortalin::game::test::poseNamed(argv[1]) : std::nullopt;
  if (!pose) {
    std::fprintf(stderr, "usage: window_pose opening|red\n");
    return 2;
  }
  vortalin::win32::MainWindow window(GetModuleHandleW(nullptr), timeStandsStill);
  const std::string_view focused = vortalin::game::test::reachPose(window.controller(), *pose);
  if (focused.empty()) {
    std::fprintf(stderr, "window_pose: the window never turned red\n");
    return 1;
  }
  window.show(SW_SHOWNORMAL);
  SetFocus(window.controls().window(focused));
  std::printf("%.*s\n", static_cast<int>(focused.size()), focused.data());
  std::fflush(stdout);
  return vortalin::win32::runMessageLoop(window);
}
