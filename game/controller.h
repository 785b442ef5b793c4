#pragma once

#include <memory>
#include <optional>
#include <string_view>

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

/// The game behind every front-end: it owns the random source, the race view on the
/// front-end and the race. A front-end hands it the clicks on the four buttons and the
/// periods of the clock, and nothing else.
class Controller {
 public:
  explicit Controller(FrontEnd& frontEnd,
                      std::unique_ptr<RandomSource> random = std::make_unique<ClassicRandom>(),
                      int dotsPerInch = form::designDotsPerInch);

  void execute(Command command);
  /// A click on a control: runs its command, if it has one. Returns whether it had.
  bool click(std::string_view controlName);
  /// One period of the game clock: a tick if the clock is on, else nothing (no outcome).
  /// A tick that finds the distance counter full stops the clock and tells the player.
  std::optional<TickOutcome> clockPeriod();
  /// Up to `count` periods that fell due, ending early once the clock stops; returns how
  /// many ran.
  int runPeriods(int count);

  const Race& race() const { return race_; }
  ShownRaceView& view() { return view_; }
  const ShownRaceView& view() const { return view_; }
  /// The number the last tick drew from the random source.
  float lastDraw() const { return random_.last(); }

 private:
  /// The random source the race draws from, remembering its last number.
  class RememberingRandom final : public RandomSource {
   public:
    explicit RememberingRandom(std::unique_ptr<RandomSource> source) : source_(std::move(source)) {}
    float next() override { return last_ = source_->next(); }
    float last() const { return last_; }

   private:
    std::unique_ptr<RandomSource> source_;
    float last_ = 0;
  };

  FrontEnd& frontEnd_;
  RememberingRandom random_;
  ShownRaceView view_;
  Race race_;
};

}  // namespace vortalin::game
