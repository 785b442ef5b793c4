#include <gtest/gtest.h>

#include <vector>

#include "game/clock_schedule.h"

namespace vortalin::game {
namespace {

struct ScheduleCase {
  const char* name;
  std::vector<long long> wakeUps;  // times after the start; the period is 10
  std::vector<int> due;            // periods due at each
  bool everyPeriod = false;        // asked for every period due, however many
};

class ClockScheduleTest : public ::testing::TestWithParam<ScheduleCase> {};

// Period 10, started at time 1000.
TEST_P(ClockScheduleTest, RunsThePeriodsThatFellDue) {
  ClockSchedule schedule(10);
  schedule.start(1000);
  std::vector<int> due;
  for (const long long wakeUp : GetParam().wakeUps) {
    const long long now = 1000 + wakeUp;
    due.push_back(GetParam().everyPeriod ? schedule.takeAllDue(now) : schedule.takeDue(now));
  }
  EXPECT_EQ(due, GetParam().due);
}

INSTANTIATE_TEST_SUITE_P(
    WakeUps, ClockScheduleTest,
    ::testing::Values(
        ScheduleCase{"OnTime", {10, 20, 30}, {1, 1, 1}},
        ScheduleCase{"EarlyRunsNothing", {9, 10}, {0, 1}},
        // A wake-up 3.5 periods late makes good the three it missed, and the next period
        // keeps its place on the schedule rather than moving with the late one.
        ScheduleCase{"LateIsMadeGood", {45, 50, 60}, {4, 1, 1}},
        // Past 25 periods the clock has stalled: one period, and a fresh schedule from then.
        ScheduleCase{"StallStartsAfresh", {500, 505, 510}, {1, 0, 1}},
        ScheduleCase{"LongestCatchUp", {250, 260}, {25, 1}},
        // A hidden page's timer wakes about once a second: the gap is made good in full.
        ScheduleCase{"EveryPeriodAfterALongGap", {505, 510, 515}, {50, 1, 0}, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vortalin::game
