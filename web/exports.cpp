// The functions the page calls. Times are milliseconds of the page's monotonic clock
// (performance.now()); texts are UTF-8 and stay valid until the next call that returns one.
// A call before vortalin_open, or with a number out of range, is a fault of the page: it is
// named on the console and the module aborts, so the call throws in the page.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "form/twips.h"
#include "page_layout.h"
#include "web_game.h"

namespace {

using vortalin::web::WebGame;

std::unique_ptr<WebGame> game;
std::string returnedText;

[[noreturn]] void fault(const char* function, const char* what) {
  std::fprintf(stderr, "%s: %s\n", function, what);
  std::abort();
}

WebGame& openGame(const char* function) {
  if (!game) fault(function, "the game is not open; vortalin_open comes first");
  return *game;
}

vortalin::game::Time pageTime(double milliseconds) {
  return std::chrono::duration_cast<vortalin::game::Time>(
      std::chrono::duration<double, std::milli>(milliseconds));
}

const char* returnText(std::string text) {
  returnedText = std::move(text);
  return returnedText.c_str();
}

vortalin::game::Display display(int which, const char* function) {
  if (which < 0 || which >= vortalin::game::displayCount) fault(function, "no such display");
  return static_cast<vortalin::game::Display>(which);
}

vortalin::game::PixelPoint boxPlace(int box, const char* function) {
  if (box < 0 || box >= vortalin::boxCount) fault(function, "no such box");
  return openGame(function).frontEnd().boxPlace(static_cast<vortalin::Box>(box));
}

}  // namespace

extern "C" {

int vortalin_design_dots_per_inch() { return vortalin::form::designDotsPerInch; }

void vortalin_open(int dotsPerInch) { game = std::make_unique<WebGame>(dotsPerInch); }

const char* vortalin_layout(int dotsPerInch) {
  return returnText(vortalin::web::pageLayoutJson(dotsPerInch));
}

void vortalin_set_dots_per_inch(int dotsPerInch) { openGame(__func__).setDotsPerInch(dotsPerInch); }

int vortalin_woke(double now, int hidden) {
  return openGame(__func__).woke(pageTime(now), hidden != 0);
}

int vortalin_click(const char* controlName, double now) {
  return openGame(__func__).click(controlName, pageTime(now)) ? 1 : 0;
}

int vortalin_run_periods(int count) { return openGame(__func__).runPeriods(count); }

unsigned vortalin_take_changes() { return openGame(__func__).frontEnd().takeChanges(); }

int vortalin_box_x(int box) { return boxPlace(box, __func__).x; }

int vortalin_box_y(int box) { return boxPlace(box, __func__).y; }

int vortalin_clock_running() { return openGame(__func__).frontEnd().clockRunning() ? 1 : 0; }

const char* vortalin_window_colour() {
  return returnText(vortalin::web::cssColour(openGame(__func__).frontEnd().windowColour()));
}

const char* vortalin_display_text(int which) {
  return returnText(openGame(__func__).frontEnd().displayText(display(which, __func__)));
}

void vortalin_typed(int which, const char* text) {
  openGame(__func__).frontEnd().typed(display(which, __func__), text);
}

const char* vortalin_notice() { return openGame(__func__).frontEnd().notice().c_str(); }

const char* vortalin_state() { return returnText(vortalin::web::stateJson(openGame(__func__))); }

}  // extern "C"
