#include "web_game.h"

#include "form/design_state.h"
#include "json_writer.h"

namespace vortalin::web {

namespace {

long long clockPeriodMicroseconds() {
  return 1000LL * form::findControl(form::clockControl)->timerIntervalMs;
}

}  // namespace

WebGame::WebGame(int dotsPerInch)
    : controller_(frontEnd_, std::make_unique<ClassicRandom>(), dotsPerInch),
      schedule_(clockPeriodMicroseconds()) {
  const ViewState design = form::designViewState();
  for (int i = 0; i < boxCount; ++i) {
    const Box box = static_cast<Box>(i);
    frontEnd_.moveBox(box, controller_.view().shownPlace(box));
  }
  frontEnd_.setWindowColour(design.backgroundColour);
  frontEnd_.setDisplayText(game::Display::Energy, design.energyText);
  frontEnd_.setDisplayText(game::Display::Distance, design.distanceText);
  frontEnd_.setClockRunning(design.clockEnabled);
}

int WebGame::takeDue(long long now, bool hidden) {
  if (!frontEnd_.clockRunning()) return 0;
  return hidden ? schedule_.takeAllDue(now) : schedule_.takeDue(now);
}

bool WebGame::click(std::string_view controlName, long long now) {
  const bool wasRunning = frontEnd_.clockRunning();
  const bool handled = controller_.click(controlName);
  if (!wasRunning && frontEnd_.clockRunning()) schedule_.start(now);
  return handled;
}

int WebGame::runPeriods(int count) {
  return controller_.runPeriods(count);
}

namespace {

void writePosition(JsonWriter& json, std::string_view key, BoxPosition position) {
  json.key(key).open('[').value(double{position.left}).value(double{position.top}).close(']');
}

}  // namespace

std::string stateJson(const WebGame& game) {
  const game::Controller& controller = game.controller();
  const ViewState view = controller.view().state();
  const Race& race = controller.race();
  JsonWriter json;
  json.open('{').member("distance", int{race.distance()}).key("energy");
  if (race.energy()) {
    json.value(int{*race.energy()});
  } else {
    json.null();
  }
  json.member("clock", view.clockEnabled);
  json.member("colour", static_cast<long long>(view.backgroundColour));
  writePosition(json, "strip", view[Box::Strip]);
  writePosition(json, "player", view[Box::Player]);
  writePosition(json, "rival0", view[Box::Rival0]);
  writePosition(json, "rival1", view[Box::Rival1]);
  json.member("text1", view.energyText).member("text2", view.distanceText);
  return json.close('}').text();
}

}  // namespace vortalin::web
