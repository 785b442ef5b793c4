#include "core/race_rules.h"
#include "race_fixture.h"

namespace vortalin::testing {
namespace {

using RaceCommands = RaceFixture;

TEST_F(RaceCommands, WindowOpensWithEmptyEnergyAndNothingRunning) {
  EXPECT_FALSE(race.energy().has_value());
  EXPECT_EQ(race.distance(), 0);
  EXPECT_EQ(race.steeringSpeed(), 0.0f);
  EXPECT_FALSE(model.clockEnabled());
}

TEST_F(RaceCommands, StartPlacesCourseAndRivalZeroAndStartsTheClock) {
  race.start();
  EXPECT_EQ(race.energy(), 1000);
  EXPECT_EQ(at(Box::Strip), (BoxPosition{0, -38000}));
  EXPECT_EQ(at(Box::Rival0), (BoxPosition{1200, -1000}));
  EXPECT_EQ(at(Box::Rival1), (BoxPosition{240, -5000}));
  EXPECT_EQ(at(Box::Player), (BoxPosition{600, 3120}));
  EXPECT_TRUE(model.clockEnabled());
  // The displays show the new energy only at the next tick.
  EXPECT_EQ(model.state().energyText, "1000");
  EXPECT_EQ(model.state().distanceText, "0");
}

TEST_F(RaceCommands, StartTwiceIsStartOnce) {
  race.start();
  const ViewState once = model.state();
  race.start();
  EXPECT_EQ(model.state(), once);
  EXPECT_EQ(race.energy(), 1000);
}

// STOP then START restarts course and energy but keeps the counter, the steering
// and the cars START does not touch.
TEST_F(RaceCommands, RestartKeepsDistanceSteeringPlayerAndRivalOne) {
  race.steerLeft();
  race.start();
  ticks(40);
  race.stop();
  EXPECT_FALSE(model.clockEnabled());
  const BoxPosition player = at(Box::Player);
  const BoxPosition rival1 = at(Box::Rival1);
  const ViewState stopped = model.state();

  race.start();
  EXPECT_EQ(race.energy(), 1000);
  EXPECT_EQ(race.distance(), 40);
  EXPECT_EQ(race.steeringSpeed(), -10.0f);
  EXPECT_EQ(at(Box::Strip).top, -38000);
  EXPECT_EQ(at(Box::Rival0).top, -1000);
  EXPECT_EQ(at(Box::Player), player);
  EXPECT_EQ(at(Box::Rival1), rival1);
  EXPECT_EQ(model.state().energyText, stopped.energyText);
  EXPECT_EQ(model.backgroundColour(), stopped.backgroundColour);
}

TEST_F(RaceCommands, StopChangesOnlyTheClock) {
  race.start();
  ticks(3);
  ViewState expected = model.state();
  expected.clockEnabled = false;
  race.stop();
  EXPECT_EQ(model.state(), expected);
  EXPECT_EQ(race.distance(), 3);
}

TEST_F(RaceCommands, LastSteeringPressWinsAndNothingResetsIt) {
  race.steerLeft();
  race.steerRight();
  EXPECT_EQ(race.steeringSpeed(), 10.0f);
  race.start();
  race.stop();
  race.start();
  EXPECT_EQ(race.steeringSpeed(), 10.0f);
}

TEST_F(RaceCommands, SteeringBeforeStartMovesThePlayerFromTheFirstTick) {
  race.steerRight();
  EXPECT_EQ(at(Box::Player).left, 600);
  race.start();
  EXPECT_EQ(at(Box::Player).left, 600);
  ticks(1);
  EXPECT_EQ(at(Box::Player).left, 610);
}

TEST_F(RaceCommands, WithoutSteeringThePlayerKeepsItsLeft) {
  race.start();
  ticks(500);
  EXPECT_EQ(at(Box::Player), (BoxPosition{600, 3120}));
}

}  // namespace
}  // namespace vortalin::testing
