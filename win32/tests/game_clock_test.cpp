#include <gtest/gtest.h>

#include "win32/game_clock.h"

namespace vortalin::win32 {
namespace {

class GameClockTest : public ::testing::TestWithParam<GameClock::Timer> {};

// Both timers wake the message loop for each period while the clock runs, and not after.
TEST_P(GameClockTest, SignalsWhileRunningAndFallsSilentWhenStopped) {
  GameClock clock(10, GetParam());
  if (GetParam() == GameClock::Timer::Ordinary) {
    EXPECT_FALSE(clock.highResolution());
  }
  EXPECT_EQ(clock.takeDuePeriods(), 0);
  clock.start();
  int periods = 0;
  for (int wakeUp = 0; wakeUp < 5; ++wakeUp) {
    ASSERT_EQ(WaitForSingleObject(clock.waitHandle(), 1000), WAIT_OBJECT_0);
    periods += clock.takeDuePeriods();
  }
  EXPECT_GE(periods, 4);  // a wake-up may come a moment early and count none
  clock.stop();
  EXPECT_EQ(WaitForSingleObject(clock.waitHandle(), 50), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_EQ(clock.takeDuePeriods(), 0);
}

INSTANTIATE_TEST_SUITE_P(Timers, GameClockTest,
                         ::testing::Values(GameClock::Timer::HighResolutionIfOffered,
                                           GameClock::Timer::Ordinary));

}  // namespace
}  // namespace vortalin::win32
