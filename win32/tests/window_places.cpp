// Prints where the running game's window and its controls lie on the screen, for the Wine
// end-to-end test that clicks and watches by them: "NAME X Y WIDTH HEIGHT", one a line,
// "Form1" being the window's inside and "NAME.inside" the inside of a framed picture box.
// A last line "course TICKS MILLISECONDS" gives the course's clock ticks and the period, so
// that the test times the course against the rules' own figure.
#include <windows.h>

#include <cstdio>

#include "core/race_rules.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "form/window_order.h"
#include "win32/form_controls.h"
#include "win32/main_window.h"

namespace {

using vortalin::form::ControlRecord;

void print(const ControlRecord& record, const char* suffix, RECT rect) {
  std::printf("%.*s", static_cast<int>(record.name.size()), record.name.data());
  if (record.index >= 0) std::printf("(%d)", record.index);
  std::printf("%s %ld %ld %ld %ld\n", suffix, rect.left, rect.top, rect.right - rect.left,
              rect.bottom - rect.top);
}

RECT insideOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND controlWindow(HWND form, const ControlRecord& record) {
  const HWND container = record.container == vortalin::form::windowControl
                             ? form
                             : controlWindow(form, *vortalin::form::findControl(record.container));
  return GetDlgItem(
      container, vortalin::win32::controlId(vortalin::form::controlRow(record.name, record.index)));
}

}  // namespace

int main() {
  const HWND form = FindWindowW(vortalin::win32::MainWindow::className, nullptr);
  if (form == nullptr) {
    std::fprintf(stderr, "window_places: the game's window is not open\n");
    return 1;
  }
  for (const ControlRecord& record : vortalin::form::formTable) {
    if (record.kind == vortalin::form::ControlKind::Window) print(record, "", insideOnScreen(form));
    if (!vortalin::form::isChildWindow(record)) continue;
    const HWND window = controlWindow(form, record);
    RECT rect{};
    GetWindowRect(window, &rect);
    print(record, "", rect);
    if (record.border == vortalin::form::Border::Sunken &&
        record.kind == vortalin::form::ControlKind::PictureBox) {
      print(record, ".inside", insideOnScreen(window));
    }
  }
  std::printf("course %d %d\n", vortalin::rules::ticksPerCourse,
              vortalin::form::findControl(vortalin::form::clockControl)->timerIntervalMs);
  return 0;
}
