#pragma once

#include <cstdint>
#include <optional>

#include "race_view.h"
#include "random_source.h"

namespace vortalin {

enum class TickOutcome {
  Ran,
  /// The distance counter already held its largest value: the tick did nothing at all.
  CounterFull,
};

/// The state of the game's races and what the four buttons and the clock do to it.
/// Positions, the clock, the colour and the displays live in the view; only energy,
/// the distance counter and the steering speed are kept here.
class Race {
 public:
  Race(RaceView& view, RandomSource& random) : view_(view), random_(random) {}

  void start();
  void steerLeft();
  void steerRight();
  void stop();
  /// One period of the game clock. The caller runs it only while the clock is enabled.
  TickOutcome tick();

  std::optional<std::int16_t> energy() const { return energy_; }
  std::int16_t distance() const { return distance_; }
  float steeringSpeed() const { return steeringSpeed_; }

 private:
  void keepOnRoad(Box box);
  void sendBackIfPastBottom(Box box);
  void moveRival0();
  bool overlapsPlayer(Box rival) const;
  void testCollision(Box rival);
  void showDisplays();

  RaceView& view_;
  RandomSource& random_;
  std::optional<std::int16_t> energy_;
  std::int16_t distance_ = 0;
  float steeringSpeed_ = 0.0f;
};

}  // namespace vortalin
