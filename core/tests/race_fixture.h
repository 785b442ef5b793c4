#pragma once

#include <gtest/gtest.h>

#include "core/race.h"
#include "form/design_state.h"
#include "race_model.h"

namespace vortalin::testing {

/// Always draws the same number; 0.5 leaves rival car 0 on its line.
class FixedRandom final : public RandomSource {
 public:
  explicit FixedRandom(float value = 0.5f) : value_(value) {}
  float next() override {
    ++draws;
    return value_;
  }
  int draws = 0;

 private:
  float value_;
};

/// A race on an in-memory view that opens at the window's design state.
class RaceFixture : public ::testing::Test {
 protected:
  void ticks(int count) {
    for (int i = 0; i < count; ++i) ASSERT_EQ(race.tick(), TickOutcome::Ran) << "tick " << i;
  }
  /// Runs ticks while the clock is on, the way the window's timer does; returns how many.
  int runCourse() {
    int count = 0;
    while (model.clockEnabled()) {
      EXPECT_EQ(race.tick(), TickOutcome::Ran);
      ++count;
    }
    return count;
  }
  BoxPosition at(Box box) const { return model.state()[box]; }

  RaceModel model{form::designViewState()};
  FixedRandom random;
  Race race{model, random};
};

}  // namespace vortalin::testing
