#include "web_game.h"

#include "form/design_state.h"
#include "game/state_json.h"

namespace vortalin::web {

WebGame::WebGame(int dotsPerInch)
    : controller_(frontEnd_, std::make_unique<ClassicRandom>(), dotsPerInch) {
  const ViewState design = form::designViewState();
  for (int i = 0; i < boxCount; ++i) {
    const Box box = static_cast<Box>(i);
    frontEnd_.moveBox(box, controller_.view().shownPlace(box));
  }
  frontEnd_.setWindowColour(design.backgroundColour);
  frontEnd_.setDisplayText(game::Display::Energy, design.energyText);
  frontEnd_.setDisplayText(game::Display::Distance, design.distanceText);
}

int WebGame::woke(game::Time now, bool hidden) {
  frontEnd_.setNow(now);
  return controller_.woke(hidden ? game::CatchUp::Every : game::CatchUp::Bounded);
}

bool WebGame::click(std::string_view controlName, game::Time now) {
  frontEnd_.setNow(now);
  return controller_.click(controlName);
}

std::string stateJson(const WebGame& game) {
  return game::stateJson(game.controller().view().state(), game.controller().race());
}

}  // namespace vortalin::web
