#pragma once

#include <memory>
#include <optional>
#include <string_view>

#include "clock_schedule.h"
#include "core/race.h"
#include "core/random_source.h"
#include "form/design_state.h"
#include "front_end.h"
#include "shown_race_view.h"

namespace vortalin::game {

using form::Command;
using form::commandOfControl;

/// What the player is told when the distance counter can count no further (UTF-8).
extern const std::string_view counterFullNotice;

/// The period of the game clock, `Timer1`'s interval.
inline constexpr Time clockInterval =
    std::chrono::milliseconds(form::findControl(form::clockControl)->timerIntervalMs);

/// How a wake-up makes good the periods that have fallen due since the last one.
enum class CatchUp {
  /// A few missed periods are made good; after a stall the schedule starts afresh.
  Bounded,
  /// Every one, however many: for a front-end woken seldom on purpose (a hidden page).
  Every,
};

/// The game behind every front-end: it owns the random source, the race view on the
/// front-end, the race and the clock's schedule. A front-end hands it the clicks on the four
/// buttons and its wake-ups, and the game asks it to be woken while the clock runs.
/// Periods that have fallen due always run before a command, so a click lands on the same
/// tick whatever the machine's load.
class Controller {
 public:
  explicit Controller(FrontEnd& frontEnd,
                      std::unique_ptr<RandomSource> random = std::make_unique<ClassicRandom>(),
                      int dotsPerInch = form::designDotsPerInch);

  void execute(Command command);
  /// A click on a control: runs its command, if it has one. Returns whether it had.
  bool click(std::string_view controlName);
  /// The front-end's wake-up came: runs the periods that have fallen due by its time now.
  /// Returns how many ran.
  int woke(CatchUp catchUp = CatchUp::Bounded);

  /// One period of the game clock at once, outside the schedule: a tick if the clock is on,
  /// else nothing (no outcome). A tick that finds the distance counter full stops the clock
  /// and tells the player.
  std::optional<TickOutcome> clockPeriod();
  /// Up to `count` periods at once, ending early once the clock stops; returns how many ran.
  int runPeriods(int count);

  const Race& race() const { return race_; }
  ShownRaceView& view() { return view_; }
  const ShownRaceView& view() const { return view_; }

 private:
  std::optional<TickOutcome> period();
  int periods(int count);
  int runDue(CatchUp catchUp);
  /// Schedules the clock from now when it has been switched on, asks for the next wake-up
  /// while it runs, and cancels the wake-up once it is off.
  void followClock();

  FrontEnd& frontEnd_;
  std::unique_ptr<RandomSource> random_;
  ShownRaceView view_;
  Race race_;
  ClockSchedule schedule_{clockInterval.count()};
  bool scheduled_ = false;
  std::optional<Time> wakeRequested_;
};

}  // namespace vortalin::game
