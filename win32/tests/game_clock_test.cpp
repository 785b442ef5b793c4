#include <gtest/gtest.h>

#include "win32/game_clock.h"

namespace vortalin::win32 {
namespace {

class GameClockTest : public ::testing::TestWithParam<GameClock::Timer> {};

// Both timers wake the message loop at each deadline asked for, not before, and not after
// the wake-up is cancelled.
TEST_P(GameClockTest, SignalsAtEachDeadlineAndFallsSilentWhenStopped) {
  GameClock clock(game::steadyNow, GetParam());
  if (GetParam() == GameClock::Timer::Ordinary) {
    EXPECT_FALSE(clock.highResolution());
  }
  for (int wakeUp = 0; wakeUp < 5; ++wakeUp) {
    const game::Time deadline = clock.now() + std::chrono::milliseconds(10);
    clock.wakeAt(deadline);
    ASSERT_EQ(WaitForSingleObject(clock.waitHandle(), 1000), WAIT_OBJECT_0);
    EXPECT_GE(clock.now(), deadline - std::chrono::milliseconds(1));
  }
  clock.wakeAt(clock.now() + std::chrono::milliseconds(10));
  clock.stopWaking();
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(WaitForSingleObject(clock.waitHandle(), 50), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_FALSE(clock.failure().has_value());
}

INSTANTIATE_TEST_SUITE_P(Timers, GameClockTest,
                         ::testing::Values(GameClock::Timer::HighResolutionIfOffered,
                                           GameClock::Timer::Ordinary));

}  // namespace
}  // namespace vortalin::win32
