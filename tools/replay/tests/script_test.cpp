#include <gtest/gtest.h>

#include <string>

#include "tools/replay/script.h"

namespace vortalin::replay {
namespace {

std::vector<Command> commandsOf(std::string_view script) {
  const ParseResult result = parseScript(script);
  if (const auto* error = std::get_if<ScriptError>(&result)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->message;
    return {};
  }
  return std::get<std::vector<Command>>(result);
}

TEST(ParseScript, ReadsEveryCommandWithCommentsAndBlankLines) {
  const auto commands = commandsOf(
      "# a race\n\nstart\nleft   # steer\n\tright\nstop\ntick\ntick 25\nrun\r\n"
      "place rival1 240 10000.5\nshow");
  ASSERT_EQ(commands.size(), 9u);
  EXPECT_EQ(commands[0].action, Action::Start);
  EXPECT_EQ(commands[0].line, 3);
  EXPECT_EQ(commands[1].action, Action::Left);
  EXPECT_EQ(commands[2].action, Action::Right);
  EXPECT_EQ(commands[3].action, Action::Stop);
  EXPECT_EQ(commands[4].periods, 1);
  EXPECT_EQ(commands[5].periods, 25);
  EXPECT_EQ(commands[6].action, Action::Run);
  EXPECT_EQ(commands[7].box, Box::Rival1);
  EXPECT_EQ(commands[7].left, 240);
  EXPECT_EQ(commands[7].top, 10000.5f);
  EXPECT_EQ(commands[8].action, Action::Show);
}

TEST(ParseScript, EmptyScriptIsValid) { EXPECT_TRUE(commandsOf("").empty()); }

struct BadLine {
  const char* script;
  int line;
  const char* messagePart;
};

void PrintTo(const BadLine& c, std::ostream* out) { *out << c.messagePart; }

class RefusedScript : public ::testing::TestWithParam<BadLine> {};

// A fault anywhere refuses the whole script and names the line and what is wrong.
TEST_P(RefusedScript, NamesTheLineAndTheFault) {
  const BadLine c = GetParam();
  const ParseResult result = parseScript(c.script);
  const auto* error = std::get_if<ScriptError>(&result);
  ASSERT_NE(error, nullptr) << c.script;
  EXPECT_EQ(error->line, c.line);
  EXPECT_NE(error->message.find(c.messagePart), std::string::npos) << error->message;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, RefusedScript,
    ::testing::Values(BadLine{"start\njump\n", 2, "unknown command \"jump\""},
                      BadLine{"START\n", 1, "unknown command"},
                      BadLine{"start now\n", 1, "takes no argument"},
                      BadLine{"run 5\n", 1, "takes no argument"},
                      BadLine{"tick 0\n", 1, "from 1 to 10000000"},
                      BadLine{"tick 10000001\n", 1, "from 1 to 10000000"},
                      BadLine{"tick -1\n", 1, "from 1 to 10000000"},
                      BadLine{"tick 1 2\n", 1, "at most one number"},
                      BadLine{"place strip 0\n", 1, "place BOX LEFT TOP"},
                      BadLine{"place strip 0 1 2\n", 1, "place BOX LEFT TOP"},
                      BadLine{"place car 0 1\n", 1, "unknown box \"car\""},
                      BadLine{"place player abc 1\n", 1, "\"abc\" is not a decimal number"},
                      BadLine{"place player 1 1e39\n", 1, "too large"},
                      BadLine{"\n\n\nshow\nshow x\n", 5, "takes no argument"}));

TEST(PrintableLine, EscapesControlAndNonAsciiBytesAndShortensLongLines) {
  EXPECT_EQ(printableLine("tick 5"), "tick 5");
  EXPECT_EQ(printableLine(std::string_view("a\0b\x1b\xff", 5)), "a\\x00b\\x1b\\xff");
  const std::string longLine(200, 'x');
  EXPECT_EQ(printableLine(longLine), std::string(80, 'x') + "...");
}

}  // namespace
}  // namespace vortalin::replay
