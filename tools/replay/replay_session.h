#pragma once

#include <ostream>

#include "race.h"
#include "race_model.h"
#include "random_source.h"
#include "script.h"

namespace vortalin::replay {

/// The game's default random source, remembering the last number it drew.
class RecordingRandom final : public RandomSource {
 public:
  float next() override { return last_ = source_.next(); }
  float last() const { return last_; }

 private:
  ClassicRandom source_;
  float last_ = 0;
};

/// Plays script commands against a race on an in-memory view that opens at the
/// window's design state, printing a JSON line per tick that runs.
class ReplaySession {
 public:
  explicit ReplaySession(std::ostream& out);

  void execute(const Command& command);
  const RaceModel& model() const { return model_; }
  const Race& race() const { return race_; }

 private:
  /// One period of the game clock: a tick if and only if the clock is on.
  void period();
  void tickPeriods(std::int64_t count);
  void runUntilStopped();

  std::ostream& out_;
  RaceModel model_;
  RecordingRandom random_;
  Race race_;
};

}  // namespace vortalin::replay
