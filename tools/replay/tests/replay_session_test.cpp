#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/race_rules.h"
#include "tools/replay/replay_session.h"

namespace vortalin::replay {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> play(std::string_view script) {
  std::ostringstream out;
  ReplaySession session(out);
  const ParseResult parsed = parseScript(script);
  for (const Command& command : std::get<std::vector<Command>>(parsed)) session.execute(command);
  return linesOf(out.str());
}

TEST(ReplaySession, FirstTickAfterStartPrintsTheExactState) {
  const auto lines = play("start\ntick\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0],
            R"({"distance":1,"energy":1000,"clock":true,"colour":2147483663,"strip":[0,-37975],)"
            R"("player":[600,3120],"rival0":[1220.5547,-970],"rival1":[240,-4960],)"
            R"("text1":"1000","text2":"1","r":0.7055475})");
}

TEST(ReplaySession, ShowBeforeStartHasEmptyEnergyAndNoDraw) {
  const auto lines = play("show\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], R"({"distance":0,"energy":null,"clock":false,"colour":2147483663,)"
                      R"("strip":[0,-37920],"player":[600,3120],"rival0":[1200,-2000],)"
                      R"("rival1":[240,-5000],"text1":"1000","text2":"0"})");
}

TEST(ReplaySession, RunPlaysAWholeCourseOfTicks) {
  const auto lines = play("start\nrun\n");
  ASSERT_EQ(lines.size(), std::size_t{rules::ticksPerCourse});
  const std::string distance = "\"distance\":" + std::to_string(rules::ticksPerCourse) + ",";
  EXPECT_NE(lines.back().find(distance), std::string::npos);
  EXPECT_NE(lines.back().find(R"("clock":false,)"), std::string::npos);
  EXPECT_NE(lines.back().find(R"("strip":[0,50],)"), std::string::npos);
  EXPECT_NE(lines[1520].find(R"("clock":true,)"), std::string::npos);
}

// Ticks only run while the clock is on; idle periods print nothing.
TEST(ReplaySession, PeriodsWithTheClockOffDoNothing) {
  EXPECT_TRUE(play("tick 100\nrun\n").empty());
  EXPECT_EQ(play("start\ntick 3\nstop\ntick 10000000\n").size(), 3u);
}

TEST(ReplaySession, PlaceMovesABoxExactly) {
  const auto lines = play("place rival1 240 10000.5\nstart\ntick\n");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_NE(lines[0].find(R"("rival1":[240,-960])"), std::string::npos);
}

// The counter limit ends the race with the clock off instead of freezing the game.
TEST(ReplaySession, CounterLimitEndsTheRaceWithANullDraw) {
  const auto lines = play("start\nplace strip 0 -1e9\nrun\nstart\nrun\n");
  ASSERT_EQ(lines.size(), 32767u + 2u);
  EXPECT_NE(lines[32766].find(R"("distance":32767,)"), std::string::npos);
  EXPECT_NE(lines[32766].find(R"("clock":true,)"), std::string::npos);
  for (const std::string& last : {lines[32767], lines[32768]}) {
    EXPECT_NE(last.find(R"("distance":32767,)"), std::string::npos);
    EXPECT_NE(last.find(R"("clock":false,)"), std::string::npos);
    EXPECT_NE(last.find(R"("r":null})"), std::string::npos);
  }
}

}  // namespace
}  // namespace vortalin::replay
