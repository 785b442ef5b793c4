#pragma once

#include <string>
#include <string_view>

#include "game/clock_schedule.h"
#include "game/controller.h"
#include "web_front_end.h"

namespace vortalin::web {

/// The game as the page runs it: the controller on the page's seam, and the clock's
/// schedule. Times are microseconds of the page's monotonic clock.
class WebGame {
 public:
  explicit WebGame(int dotsPerInch);

  /// The clock periods that have fallen due, while the clock runs: a hidden page makes up
  /// every one of them, a visible one starts afresh after a stall.
  int takeDue(long long now, bool hidden);
  /// Runs clock periods, fewer if the clock stops. Returns the periods run.
  int runPeriods(int count);
  /// A click on a control; a clock it starts is scheduled from `now`.
  bool click(std::string_view controlName, long long now);
  void setDotsPerInch(int dotsPerInch) { controller_.view().setDotsPerInch(dotsPerInch); }

  WebFrontEnd& frontEnd() { return frontEnd_; }
  const game::Controller& controller() const { return controller_; }

 private:
  WebFrontEnd frontEnd_;
  game::Controller controller_;
  game::ClockSchedule schedule_;
};

/// The state of the race and the page's view, as one JSON object.
std::string stateJson(const WebGame& game);

}  // namespace vortalin::web
