// Shows the game's window in one of the poses its pictures are compared in (opening, red),
// its clock standing still, until the window is closed; prints the control that has the
// focus. Usage: window_pose opening|red
#include <QApplication>
#include <QPushButton>
#include <cstdio>

#include "game/tests/window_pose.h"
#include "qt/application_setup.h"
#include "qt/main_window.h"
#include "window_fixture.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const auto pose = argc == 2 ? vortalin::game::test::poseNamed(argv[1]) : std::nullopt;
  if (!pose) {
    std::fprintf(stderr, "usage: window_pose opening|red\n");
    return 2;
  }
  vortalin::qt::prepareApplication();
  vortalin::qt::MainWindow window(vortalin::qt::test::timeStandsStill);
  const std::string_view focused = vortalin::game::test::reachPose(window.controller(), *pose);
  if (focused.empty()) {
    std::fprintf(stderr, "window_pose: the window never turned red\n");
    return 1;
  }
  window.show();
  vortalin::qt::test::button(window, std::string(focused).c_str()).setFocus();
  std::printf("%.*s\n", static_cast<int>(focused.size()), focused.data());
  std::fflush(stdout);
  return QApplication::exec();
}
