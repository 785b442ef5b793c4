#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "core/race_rules.h"
#include "core/tests/race_fixture.h"
#include "game/controller.h"

namespace vortalin::game {
namespace {

/// A front-end that records every call the game makes, lets a test type into a display and
/// keeps a time that moves only when the test moves it. `wakes` holds each requested
/// deadline, and -1 for each cancelled wake-up.
class RecordingFrontEnd final : public FrontEnd {
 public:
  void moveBox(Box box, PixelPoint topLeft) override { moves.push_back({box, topLeft}); }
  Time now() const override { return time; }
  void wakeAt(Time deadline) override { wakes.push_back(deadline.count()); }
  void stopWaking() override { wakes.push_back(-1); }
  void setWindowColour(Colour colour) override { colours.push_back(colour); }
  std::string displayText(Display display) const override { return texts[index(display)]; }
  void setDisplayText(Display display, std::string_view text) override {
    texts[index(display)].assign(text);
    ++textWrites[index(display)];
  }
  void showNotice(std::string_view message) override { notices.emplace_back(message); }

  static int index(Display display) { return displayIndex(display); }
  void forget() {
    const Time kept = time;
    *this = RecordingFrontEnd{};
    time = kept;
  }

  struct Move {
    Box box;
    PixelPoint to;
  };
  std::vector<Move> moves;
  std::vector<long long> wakes;
  Time time{};
  std::vector<Colour> colours;
  std::array<std::string, 2> texts{"1000", "0"};
  std::array<int, 2> textWrites{};
  std::vector<std::string> notices;
};

class ControllerTest : public ::testing::Test {
 protected:
  RecordingFrontEnd frontEnd;
  Controller game{frontEnd, std::make_unique<testing::FixedRandom>()};
};

// A box moved by less than a pixel must not cost the front-end a move.
TEST(ShownRaceView, MoveWithinTheSamePixelTouchesNothingButReadsStayExact) {
  RecordingFrontEnd frontEnd;
  ShownRaceView view(frontEnd, form::designViewState());
  const float left = view.left(Box::Player);  // 600 twips, pixel 40
  view.setLeft(Box::Player, left + 7);
  EXPECT_TRUE(frontEnd.moves.empty());
  EXPECT_EQ(view.left(Box::Player), left + 7);
  view.setLeft(Box::Player, left + 8);
  ASSERT_EQ(frontEnd.moves.size(), 1u);
  EXPECT_EQ(frontEnd.moves[0].to, (PixelPoint{41, 208}));
}

// At another density the same twips land on other pixels, and every box is placed anew.
TEST(ShownRaceView, ADensityChangePlacesEveryBoxAtTheNewScale) {
  RecordingFrontEnd frontEnd;
  ShownRaceView view(frontEnd, form::designViewState());
  view.setDotsPerInch(144);
  ASSERT_EQ(frontEnd.moves.size(), static_cast<std::size_t>(boxCount));
  EXPECT_EQ(frontEnd.moves[1].to, (PixelPoint{60, 312}));
  EXPECT_EQ(view.shownPlace(Box::Player), (PixelPoint{60, 312}));
}

TEST_F(ControllerTest, TheFourButtonsRunTheirCommandsAndNoOtherControlDoes) {
  EXPECT_TRUE(game.click("Command2"));
  EXPECT_EQ(game.race().steeringSpeed(), -10.0f);
  EXPECT_TRUE(game.click("Command3"));
  EXPECT_EQ(game.race().steeringSpeed(), 10.0f);
  EXPECT_FALSE(game.click("Label1"));
  EXPECT_FALSE(game.click("Text1"));
  EXPECT_TRUE(game.click("Command1"));
  EXPECT_TRUE(game.view().clockEnabled());
  EXPECT_TRUE(game.click("Command4"));
  EXPECT_FALSE(game.view().clockEnabled());
}

// A command outside a tick is shown at once; no period runs a tick while the clock is off.
TEST_F(ControllerTest, StartIsShownAtOnceAndPeriodsWithTheClockOffDoNothing) {
  EXPECT_FALSE(game.clockPeriod().has_value());
  game.execute(Command::Start);
  EXPECT_EQ(frontEnd.wakes, std::vector<long long>{clockInterval.count()});
  ASSERT_FALSE(frontEnd.moves.empty());
  EXPECT_EQ(frontEnd.moves[0].box, Box::Strip);
  EXPECT_EQ(frontEnd.moves[0].to.y, form::twipsToPixels(-38000));
}

// Periods that fell due together end with the course: none runs once the clock has stopped.
TEST_F(ControllerTest, DuePeriodsStopWithTheClock) {
  EXPECT_EQ(game.runPeriods(5), 0);
  game.execute(Command::Start);
  EXPECT_EQ(game.runPeriods(rules::ticksPerCourse + 100), rules::ticksPerCourse);
  EXPECT_FALSE(game.view().clockEnabled());
}

// The front-end is woken for each period while the clock runs, on a schedule fixed at
// START, and no more once it stops.
TEST_F(ControllerTest, TheClockAsksForAWakeUpAtEachPeriodWhileItRuns) {
  frontEnd.time = Time{1000};
  game.execute(Command::Start);
  frontEnd.time += clockInterval - Time{1};
  EXPECT_EQ(game.woke(), 0);  // a moment early
  frontEnd.time += 2 * clockInterval;
  EXPECT_EQ(game.woke(), 2);
  game.execute(Command::Stop);
  const long long first = 1000 + clockInterval.count();
  EXPECT_EQ(frontEnd.wakes,
            (std::vector<long long>{first, first, first + 2 * clockInterval.count(), -1}));
}

// One command, however late the front-end is woken: the periods due by the time of a click
// run before the click, so it lands on the same tick under any load.
TEST_F(ControllerTest, AClickThatArrivesWhilePeriodsAreDueLandsAfterThem) {
  RecordingFrontEnd referenceFrontEnd;
  Controller reference{referenceFrontEnd, std::make_unique<testing::FixedRandom>()};
  game.execute(Command::Start);
  reference.execute(Command::Start);
  frontEnd.time += 3 * clockInterval + Time{1};
  game.click("Command2");
  reference.runPeriods(3);
  reference.click("Command2");
  EXPECT_EQ(game.race().distance(), 3);
  EXPECT_EQ(game.view().state(), reference.view().state());
  EXPECT_EQ(game.race().steeringSpeed(), -10.0f);
  frontEnd.time += clockInterval;
  EXPECT_EQ(game.woke(), 1);
}

// A tick in which only rival car 0 overlaps ends with the normal colour: the window must not
// flash red and back, and each box, text and colour is handed over once with its final value.
TEST_F(ControllerTest, ATickShowsOnlyItsFinalValuesOnce) {
  game.execute(Command::Start);
  game.view().move(Box::Rival0, game.view().left(Box::Player), game.view().top(Box::Player));
  frontEnd.forget();
  frontEnd.texts = {"1000", "0"};

  ASSERT_EQ(game.clockPeriod(), TickOutcome::Ran);
  EXPECT_EQ(game.race().energy(), 999);
  EXPECT_TRUE(frontEnd.colours.empty());
  EXPECT_TRUE(frontEnd.wakes.empty());
  std::array<int, boxCount> movesPerBox{};
  for (const auto& move : frontEnd.moves) ++movesPerBox[static_cast<int>(move.box)];
  for (const int count : movesPerBox) EXPECT_LE(count, 1);
  EXPECT_EQ(frontEnd.texts, (std::array<std::string, 2>{"999", "1"}));
  EXPECT_EQ(frontEnd.textWrites, (std::array<int, 2>{1, 1}));
}

// The player may type into a display; the next tick puts the game's text back, and a
// display that already shows the right text is left alone.
TEST_F(ControllerTest, TypedTextIsReplacedByTheNextTick) {
  game.execute(Command::Start);
  game.clockPeriod();
  frontEnd.texts[0] = "abc";
  frontEnd.textWrites = {};
  game.clockPeriod();
  EXPECT_EQ(frontEnd.texts[0], "1000");
  EXPECT_EQ(frontEnd.textWrites, (std::array<int, 2>{1, 1}));
}

// The 32768th tick cannot count: the clock stops once and the player is told, once for
// every tick that meets the full counter.
TEST_F(ControllerTest, AFullDistanceCounterStopsTheClockAndTellsThePlayerOncePerTick) {
  for (int i = 0; i < std::numeric_limits<std::int16_t>::max(); ++i) {
    if (!game.view().clockEnabled()) game.execute(Command::Start);
    ASSERT_EQ(game.clockPeriod(), TickOutcome::Ran);
  }
  if (!game.view().clockEnabled()) game.execute(Command::Start);
  const float stripTop = game.view().top(Box::Strip);
  frontEnd.forget();
  frontEnd.texts = {"1000", "32767"};

  EXPECT_EQ(game.clockPeriod(), TickOutcome::CounterFull);
  EXPECT_EQ(frontEnd.wakes, std::vector<long long>{-1});
  ASSERT_EQ(frontEnd.notices.size(), 1u);
  EXPECT_EQ(frontEnd.notices[0], counterFullNotice);
  EXPECT_EQ(game.view().top(Box::Strip), stripTop);
  EXPECT_FALSE(game.clockPeriod().has_value());

  game.execute(Command::Start);
  EXPECT_EQ(game.clockPeriod(), TickOutcome::CounterFull);
  EXPECT_EQ(frontEnd.wakes, (std::vector<long long>{-1, clockInterval.count(), -1}));
  EXPECT_EQ(frontEnd.notices.size(), 2u);
}

}  // namespace
}  // namespace vortalin::game
