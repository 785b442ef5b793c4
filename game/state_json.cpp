#include "state_json.h"

#include "json_writer.h"

namespace vortalin::game {

namespace {

const std::string& shownText(const ViewState& view, Display display) {
  return display == Display::Energy ? view.energyText : view.distanceText;
}

}  // namespace

std::string stateJson(const ViewState& view, const Race& race, const std::optional<Draw>& draw) {
  JsonWriter json;
  json.open('{').member("distance", int{race.distance()});
  json.key("energy").value(race.energy());
  json.member("clock", view.clockEnabled);
  json.member("colour", static_cast<long long>(view.backgroundColour));
  for (int i = 0; i < boxCount; ++i) {
    json.key(boxNames[i]).open('[').value(view.boxes[i].left).value(view.boxes[i].top).close(']');
  }
  for (const Display display : {Display::Energy, Display::Distance}) {
    json.member(displayNames[displayIndex(display)], shownText(view, display));
  }
  if (draw) json.key("r").value(*draw);
  return json.close('}').text();
}

}  // namespace vortalin::game
