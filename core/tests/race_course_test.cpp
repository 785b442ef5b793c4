#include "core/race_rules.h"
#include "race_fixture.h"

namespace vortalin::testing {
namespace {

using RaceCourse = RaceFixture;

// With exact positions the 1521st tick finds the strip at 0 (not past the end) and the
// 1522nd finds 25, stops the clock, and still runs to its end.
TEST_F(RaceCourse, CourseEndsOnTheTickAfterTheStripPassesZero) {
  race.start();
  ticks(1521);
  EXPECT_EQ(at(Box::Strip).top, 0 + 25);
  EXPECT_TRUE(model.clockEnabled());
  ticks(1);
  EXPECT_FALSE(model.clockEnabled());
  EXPECT_EQ(at(Box::Strip).top, 50);
  EXPECT_EQ(model.state().distanceText, "1522");
}

TEST_F(RaceCourse, FullCourseIs1522TicksAndTheLastTickShowsItsDisplays) {
  static_assert(rules::ticksPerCourse == 1522);
  race.steerRight();
  race.start();
  EXPECT_EQ(runCourse(), rules::ticksPerCourse);
  EXPECT_EQ(race.distance(), 1522);
  EXPECT_EQ(model.state().distanceText, "1522");
  EXPECT_EQ(model.state().energyText, std::to_string(*race.energy()));
}

TEST_F(RaceCourse, DistanceCarriesOnAcrossRaces) {
  race.start();
  runCourse();
  race.start();
  EXPECT_EQ(runCourse(), 1522);
  EXPECT_EQ(race.distance(), 3044);
}

// Over one course energy can fall by at most two points a tick.
TEST_F(RaceCourse, EnergyStaysWithinItsCourseBounds) {
  ClassicRandom classic;
  Race real{model, classic};
  real.start();
  int lowest = 1000;
  while (model.clockEnabled()) {
    ASSERT_EQ(real.tick(), TickOutcome::Ran);
    lowest = std::min<int>(lowest, *real.energy());
  }
  EXPECT_GE(lowest, -2044);
  EXPECT_LE(*real.energy(), 1000);
}

}  // namespace
}  // namespace vortalin::testing
