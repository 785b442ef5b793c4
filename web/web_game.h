#pragma once

#include <string>
#include <string_view>

#include "game/controller.h"
#include "web_front_end.h"

namespace vortalin::web {

/// The game as the page runs it: the controller on the page's seam. Times are the page's
/// monotonic clock.
class WebGame {
 public:
  explicit WebGame(int dotsPerInch);

  /// The page woke the game: runs the clock periods that have fallen due. A hidden page
  /// makes up every one of them, a visible one starts afresh after a stall.
  int woke(game::Time now, bool hidden);
  /// Runs clock periods at once, fewer if the clock stops. Returns the periods run.
  int runPeriods(int count) { return controller_.runPeriods(count); }
  /// A click on a control, after the periods due by `now`.
  bool click(std::string_view controlName, game::Time now);
  void setDotsPerInch(int dotsPerInch) { controller_.view().setDotsPerInch(dotsPerInch); }

  WebFrontEnd& frontEnd() { return frontEnd_; }
  const game::Controller& controller() const { return controller_; }

 private:
  WebFrontEnd frontEnd_;
  game::Controller controller_;
};

/// The state of the race and the page's view, as one JSON object.
std::string stateJson(const WebGame& game);

}  // namespace vortalin::web
