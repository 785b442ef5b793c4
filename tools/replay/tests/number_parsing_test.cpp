#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/replay/number_parsing.h"

namespace vortalin::replay {
namespace {

struct SingleCase {
  const char* text;
  float value;
  NumberFault fault;
};

void PrintTo(const SingleCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class ParseSingle : public ::testing::TestWithParam<SingleCase> {};

TEST_P(ParseSingle, RoundsToTheNearestSingleOrNamesTheFault) {
  const SingleCase c = GetParam();
  const ParsedSingle parsed = parseSingle(c.text);
  EXPECT_EQ(parsed.fault, c.fault) << c.text;
  if (c.fault == NumberFault::None) {
    EXPECT_EQ(parsed.value, c.value) << c.text;
    EXPECT_EQ(std::signbit(parsed.value), std::signbit(c.value)) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ParseSingle,
    ::testing::Values(
        SingleCase{"600", 600, NumberFault::None}, SingleCase{"-37920", -37920, NumberFault::None},
        SingleCase{"+12.5", 12.5f, NumberFault::None},
        SingleCase{"10000.5", 10000.5f, NumberFault::None}, SingleCase{"1.", 1, NumberFault::None},
        SingleCase{"2.5e3", 2500, NumberFault::None}, SingleCase{"25E-1", 2.5f, NumberFault::None},
        // Rounded once, straight to single, not through double.
        SingleCase{"0.1", 0.1f, NumberFault::None},
        SingleCase{"16777217", 16777216.0f, NumberFault::None},
        SingleCase{"-0", -0.0f, NumberFault::None}, SingleCase{"1e-50", 0.0f, NumberFault::None},
        SingleCase{"-0.00000000000000000000000000000000000000000000000001", -0.0f,
                   NumberFault::None},
        SingleCase{"3.4028235e38", 3.4028235e38f, NumberFault::None},
        SingleCase{"3.5e38", 0, NumberFault::NotFinite},
        SingleCase{"1e99999999999999999", 0, NumberFault::NotFinite},
        SingleCase{"0e99999999999999999", 0, NumberFault::None},
        SingleCase{"", 0, NumberFault::NotANumber}, SingleCase{"-", 0, NumberFault::NotANumber},
        SingleCase{".5", 0, NumberFault::NotANumber}, SingleCase{"1e", 0, NumberFault::NotANumber},
        SingleCase{"1e+", 0, NumberFault::NotANumber},
        SingleCase{"inf", 0, NumberFault::NotANumber},
        SingleCase{"nan", 0, NumberFault::NotANumber},
        SingleCase{"0x10", 0, NumberFault::NotANumber},
        SingleCase{"1,5", 0, NumberFault::NotANumber},
        SingleCase{"--1", 0, NumberFault::NotANumber},
        SingleCase{"12abc", 0, NumberFault::NotANumber}));

TEST(ParseCount, AcceptsOnlyPlainDigitsInRange) {
  EXPECT_EQ(parseCount("1", 1, 10), 1);
  EXPECT_EQ(parseCount("10", 1, 10), 10);
  EXPECT_EQ(parseCount("0010", 1, 10), 10);
  EXPECT_FALSE(parseCount("0", 1, 10));
  EXPECT_FALSE(parseCount("11", 1, 10));
  EXPECT_FALSE(parseCount("+5", 1, 10));
  EXPECT_FALSE(parseCount("-5", 1, 10));
  EXPECT_FALSE(parseCount("5x", 1, 10));
  EXPECT_FALSE(parseCount("", 1, 10));
  EXPECT_FALSE(parseCount(std::string(40, '9'), 1, 10));
}

}  // namespace
}  // namespace vortalin::replay
