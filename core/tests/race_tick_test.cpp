#include <gmock/gmock.h>

#include <limits>
#include <string>
#include <vector>

#include "core/race_rules.h"
#include "race_fixture.h"

namespace vortalin::testing {
namespace {

using RaceTick = RaceFixture;

// The first tick after START from the design state, with the classic source.
TEST(RaceTickExact, FirstTickFromTheDesignState) {
  RaceModel model{form::designViewState()};
  ClassicRandom random;
  Race race{model, random};
  race.start();
  ASSERT_EQ(race.tick(), TickOutcome::Ran);
  const ViewState& s = model.state();
  EXPECT_EQ(s[Box::Strip], (BoxPosition{0, -37975}));
  EXPECT_EQ(s[Box::Player], (BoxPosition{600, 3120}));
  EXPECT_EQ(s[Box::Rival0], (BoxPosition{1220.5547f, -970}));
  EXPECT_EQ(s[Box::Rival1], (BoxPosition{240, -4960}));
  EXPECT_EQ(s.energyText, "1000");
  EXPECT_EQ(s.distanceText, "1");
  EXPECT_EQ(s.backgroundColour, rules::normalColour);
}

struct WrapCase {
  Box rival;
  float startTop;
  float endTop;
};

void PrintTo(const WrapCase& c, std::ostream* out) {
  *out << "rival" << (c.rival == Box::Rival0 ? 0 : 1) << " from " << c.startTop;
}

class RivalWrap : public RaceFixture, public ::testing::WithParamInterface<WrapCase> {};

// A rival exactly at the wrap limit stays; just past it restarts above the view and
// still moves in the same tick.
TEST_P(RivalWrap, WrapsOnlyStrictlyPastTheLimit) {
  const WrapCase c = GetParam();
  race.start();
  model.setTop(c.rival, c.startTop);
  ticks(1);
  EXPECT_EQ(at(c.rival).top, c.endTop);
}

INSTANTIATE_TEST_SUITE_P(Limits, RivalWrap,
                         ::testing::Values(WrapCase{Box::Rival0, 10000, 10030},
                                           WrapCase{Box::Rival0, 10000.5f, -970},
                                           WrapCase{Box::Rival1, 10000, 10040},
                                           WrapCase{Box::Rival1, 10000.5f, -960}));

struct RoadCase {
  bool steerRight;
  float startLeft;
  float endLeft;
};

void PrintTo(const RoadCase& c, std::ostream* out) {
  *out << (c.steerRight ? "right" : "left") << " from " << c.startLeft;
}

class PlayerOnRoad : public RaceFixture, public ::testing::WithParamInterface<RoadCase> {};

// The road limits act before the move, so a player pushing against a side ends every
// tick 10 twips beyond it, and that is where the collision tests see it.
TEST_P(PlayerOnRoad, LimitsActBeforeTheSteeringMove) {
  const RoadCase c = GetParam();
  c.steerRight ? race.steerRight() : race.steerLeft();
  race.start();
  model.setLeft(Box::Player, c.startLeft);
  for (int i = 0; i < 5; ++i) {
    ticks(1);
    EXPECT_EQ(at(Box::Player).left, c.endLeft) << "tick " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Sides, PlayerOnRoad,
                         ::testing::Values(RoadCase{true, 1300, 1310}, RoadCase{true, 1305, 1310},
                                           RoadCase{false, 0, -10}, RoadCase{false, -3, -10}));

TEST_F(RaceTick, RivalZeroIsPulledBackToTheRoadBeforeItWobbles) {
  FixedRandom extreme(0.999f);
  Race wobbly{model, extreme};
  wobbly.start();
  model.setLeft(Box::Rival0, 1349);
  wobbly.tick();
  EXPECT_EQ(at(Box::Rival0).left, 1300 + 0.999f * 100 - 50);
  model.setLeft(Box::Rival0, -60);
  wobbly.tick();
  EXPECT_EQ(at(Box::Rival0).left, 0 + 0.999f * 100 - 50);
}

struct CollisionCase {
  const char* name;
  float dx0, dy0, dx1, dy1;
  int energyLost;
  Colour colour;
};

void PrintTo(const CollisionCase& c, std::ostream* out) { *out << c.name; }

class Collision : public RaceFixture, public ::testing::WithParamInterface<CollisionCase> {
 protected:
  // Places the rivals so that after this tick's moves they sit at the given offsets
  // from the player (player at 600,3120 with no steering; rival 0 moves 0,+30 with r=0.5,
  // rival 1 moves 0,+40).
  void placeRivals(const CollisionCase& c) {
    model.move(Box::Rival0, 600 - c.dx0, 3120 - c.dy0 - 30);
    model.move(Box::Rival1, 600 - c.dx1, 3120 - c.dy1 - 40);
  }
};

TEST_P(Collision, ChargesEnergyAndColoursByTheSecondTest) {
  const CollisionCase c = GetParam();
  race.start();
  placeRivals(c);
  ticks(1);
  EXPECT_EQ(race.energy(), 1000 - c.energyLost);
  EXPECT_EQ(model.backgroundColour(), c.colour);
  EXPECT_EQ(model.state().energyText, std::to_string(1000 - c.energyLost));
}

constexpr float far = 5000;
INSTANTIATE_TEST_SUITE_P(
    Outcomes, Collision,
    ::testing::Values(CollisionCase{"neither", far, 0, far, 0, 0, rules::normalColour},
                      CollisionCase{"onlyRival0", 0, 0, far, 0, 1, rules::normalColour},
                      CollisionCase{"onlyRival1", far, 0, 0, 0, 1, rules::hitColour},
                      CollisionCase{"both", 10, -10, -10, 10, 2, rules::hitColour},
                      CollisionCase{"dxPlus300", far, 0, 300, 0, 0, rules::normalColour},
                      CollisionCase{"dxMinus300", far, 0, -300, 0, 0, rules::normalColour},
                      CollisionCase{"dyPlus1000", far, 0, 0, 1000, 0, rules::normalColour},
                      CollisionCase{"dyMinus1000", far, 0, 0, -1000, 0, rules::normalColour},
                      CollisionCase{"dx299_5", far, 0, 299.5f, 0, 1, rules::hitColour},
                      CollisionCase{"dxMinus299_5", far, 0, -299.5f, 0, 1, rules::hitColour},
                      CollisionCase{"dy999_5", far, 0, 0, 999.5f, 1, rules::hitColour},
                      CollisionCase{"rival0AtBoundary", 300, 0, far, 0, 0, rules::normalColour}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RaceTick, EnergyGoesNegativeAndTheRaceGoesOn) {
  race.start();
  model.move(Box::Rival1, 600, 3120 - 40);
  for (int i = 0; i < 1001; ++i) {
    ticks(1);
    model.move(Box::Rival1, 600, 3120 - 40);
  }
  EXPECT_EQ(race.energy(), -1);
  EXPECT_EQ(model.state().energyText, "-1");
  EXPECT_TRUE(model.clockEnabled());
}

// A race held on the road for the whole life of the counter loses up to two points a
// tick; the 16-bit energy must not overflow.
TEST_F(RaceTick, EnergySaturatesInsteadOfOverflowing) {
  race.start();
  model.setTop(Box::Strip, -1e9f);
  while (race.tick() == TickOutcome::Ran) {
    model.move(Box::Rival0, 600, 3120 - 30);
    model.move(Box::Rival1, 600, 3120 - 40);
  }
  EXPECT_EQ(race.energy(), std::numeric_limits<std::int16_t>::min());
}

// The 32768th tick cannot count: it must do nothing at all and say so.
TEST_F(RaceTick, CounterLimitStopsTheTickBeforeAnything) {
  race.start();
  model.setTop(Box::Strip, -1e9f);
  for (int i = 1; i <= 32767; ++i) ASSERT_EQ(race.tick(), TickOutcome::Ran) << i;
  EXPECT_EQ(race.distance(), 32767);
  EXPECT_EQ(model.state().distanceText, "32767");
  const ViewState before = model.state();
  const int drawsBefore = random.draws;

  EXPECT_EQ(race.tick(), TickOutcome::CounterFull);
  EXPECT_EQ(race.tick(), TickOutcome::CounterFull);
  EXPECT_EQ(model.state(), before);
  EXPECT_EQ(random.draws, drawsBefore);
  EXPECT_EQ(race.distance(), 32767);

  // START still works after the limit; the counter does not.
  race.start();
  EXPECT_EQ(race.tick(), TickOutcome::CounterFull);
}

/// Records the reads of rival car 0 and the draws in the order they happen.
class OrderLog {
 public:
  std::vector<std::string> events;
};

class LoggingView final : public RaceView {
 public:
  LoggingView(RaceModel& model, OrderLog& log) : model_(model), log_(log) {}
  float left(Box box) const override {
    if (box == Box::Rival0) log_.events.push_back("left0");
    return model_.left(box);
  }
  float top(Box box) const override {
    if (box == Box::Rival0) log_.events.push_back("top0");
    return model_.top(box);
  }
  void setLeft(Box box, float v) override { model_.setLeft(box, v); }
  void setTop(Box box, float v) override { model_.setTop(box, v); }
  void move(Box box, float l, float t) override {
    if (box == Box::Rival0) log_.events.push_back("move0");
    model_.move(box, l, t);
  }
  bool clockEnabled() const override { return model_.clockEnabled(); }
  void setClockEnabled(bool e) override { model_.setClockEnabled(e); }
  Colour backgroundColour() const override { return model_.backgroundColour(); }
  void setBackgroundColour(Colour c) override { model_.setBackgroundColour(c); }
  void setEnergyText(std::string_view t) override { model_.setEnergyText(t); }
  void setDistanceText(std::string_view t) override { model_.setDistanceText(t); }

 private:
  RaceModel& model_;
  OrderLog& log_;
};

class LoggingRandom final : public RandomSource {
 public:
  explicit LoggingRandom(OrderLog& log) : log_(log) {}
  float next() override {
    log_.events.push_back("draw");
    return 0.25f;
  }

 private:
  OrderLog& log_;
};

// The draw falls between reading rival car 0's Left and its Top, once per tick.
TEST(RaceTickOrder, OneDrawPerTickBetweenRivalZeroLeftAndTop) {
  RaceModel model{form::designViewState()};
  OrderLog log;
  LoggingView view{model, log};
  LoggingRandom random{log};
  Race race{view, random};
  race.start();
  log.events.clear();
  race.tick();

  const auto& e = log.events;
  EXPECT_EQ(std::count(e.begin(), e.end(), "draw"), 1);
  const auto draw = std::find(e.begin(), e.end(), "draw");
  ASSERT_NE(draw, e.begin());
  EXPECT_EQ(*(draw - 1), "left0");
  EXPECT_EQ(*(draw + 1), "top0");
  EXPECT_EQ(*(draw + 2), "move0");
}

}  // namespace
}  // namespace vortalin::testing
