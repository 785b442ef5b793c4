// The functions the page calls. Times are milliseconds of the page's monotonic clock
// (performance.now()); texts are UTF-8 and stay valid until the next call that returns one.
#include <cmath>
#include <memory>
#include <string>

#include "form/twips.h"
#include "page_layout.h"
#include "web_game.h"

namespace {

using vortalin::web::WebGame;

std::unique_ptr<WebGame> game;
std::string returnedText;

long long microseconds(double milliseconds) { return std::llround(milliseconds * 1000.0); }

const char* returnText(std::string text) {
  returnedText = std::move(text);
  return returnedText.c_str();
}

vortalin::game::Display display(int which) {
  return which == 0 ? vortalin::game::Display::Energy : vortalin::game::Display::Distance;
}

}  // namespace

extern "C" {

int vortalin_design_dots_per_inch() { return vortalin::form::designDotsPerInch; }

void vortalin_open(int dotsPerInch) { game = std::make_unique<WebGame>(dotsPerInch); }

const char* vortalin_layout(int dotsPerInch) {
  return returnText(vortalin::web::pageLayoutJson(dotsPerInch));
}

void vortalin_set_dots_per_inch(int dotsPerInch) { game->setDotsPerInch(dotsPerInch); }

int vortalin_take_due(double now, int hidden) {
  return game->takeDue(microseconds(now), hidden != 0);
}

int vortalin_click(const char* controlName, double now) {
  return game->click(controlName, microseconds(now)) ? 1 : 0;
}

int vortalin_run_periods(int count) { return game->runPeriods(count); }

unsigned vortalin_take_changes() { return game->frontEnd().takeChanges(); }

int vortalin_box_x(int box) { return game->frontEnd().boxPlace(static_cast<vortalin::Box>(box)).x; }

int vortalin_box_y(int box) { return game->frontEnd().boxPlace(static_cast<vortalin::Box>(box)).y; }

int vortalin_clock_running() { return game->frontEnd().clockRunning() ? 1 : 0; }

const char* vortalin_window_colour() {
  return returnText(vortalin::web::cssColour(game->frontEnd().windowColour()));
}

const char* vortalin_display_text(int which) {
  return returnText(game->frontEnd().displayText(display(which)));
}

void vortalin_typed(int which, const char* text) { game->frontEnd().typed(display(which), text); }

const char* vortalin_notice() { return game->frontEnd().notice().c_str(); }

const char* vortalin_state() { return returnText(vortalin::web::stateJson(*game)); }

}  // extern "C"
