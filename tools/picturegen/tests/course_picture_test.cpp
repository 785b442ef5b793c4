#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "decoded_picture.h"

namespace vortalin::pictures::testing {
namespace {

constexpr int width = 141;
constexpr int height = 2835;
constexpr Colour road{178, 178, 178};
constexpr Colour verge{0, 128, 0};
constexpr Colour treeGreen{0, 102, 0};
constexpr Colour red{255, 0, 0};

const DecodedGif& course() {
  static const DecodedGif decoded = decodeGif(picturePath("course.gif"));
  return decoded;
}

struct PixelRect {
  int left, top, right, bottom;  // inclusive
};

// The smallest rectangle around every pixel in `area` that is not road grey.
PixelRect paintedBounds(const PixelRect& area) {
  PixelRect found{width, height, -1, -1};
  for (int y = area.top; y <= area.bottom; ++y)
    for (int x = area.left; x <= area.right; ++x)
      if (course().at(x, y) != road) {
        found.left = std::min(found.left, x);
        found.right = std::max(found.right, x);
        found.top = std::min(found.top, y);
        found.bottom = std::max(found.bottom, y);
      }
  return found;
}

int countColour(const PixelRect& area, Colour colour) {
  int count = 0;
  for (int y = area.top; y <= area.bottom; ++y)
    for (int x = area.left; x <= area.right; ++x) count += course().at(x, y) == colour;
  return count;
}

bool rowIs(int y, Colour colour) {
  for (int x = 0; x < width; ++x)
    if (course().at(x, y) != colour) return false;
  return true;
}

TEST(CoursePicture, isOneOpaqueGif87aFrameWithA128EntryLocalTable) {
  EXPECT_EQ(course().signature, "GIF87a");
  EXPECT_EQ(course().width, width);
  EXPECT_EQ(course().height, height);
  EXPECT_TRUE(course().globalTable.empty());
  EXPECT_EQ(course().localTable.size(), 128u);
  EXPECT_EQ(course().frames, 1);
  EXPECT_FALSE(course().interlaced);
  EXPECT_FALSE(course().transparentColour);
  EXPECT_EQ(course().extensionBlocks, 0);
}

struct LineCase {
  const char* name;
  int top, bottom;
};

void PrintTo(const LineCase& c, std::ostream* out) { *out << c.name << " line"; }

class CourseLine : public ::testing::TestWithParam<LineCase> {};

// The finish and start lines must cross the whole width with a clean edge.
TEST_P(CourseLine, isWhiteAcrossTheFullWidth) {
  const LineCase line = GetParam();
  for (int y = line.top; y <= line.bottom; ++y) EXPECT_TRUE(rowIs(y, white)) << "row " << y;
  EXPECT_TRUE(rowIs(line.top - 1, road)) << "row above";
  EXPECT_TRUE(rowIs(line.bottom + 1, road)) << "row below";
}

INSTANTIATE_TEST_SUITE_P(Lines, CourseLine,
                         ::testing::Values(LineCase{"finish", 199, 203},
                                           LineCase{"start", 2716, 2721}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LetteringCase {
  const char* text;
  PixelRect box;
  Colour face;
  int minimumFacePixels;
};

void PrintTo(const LetteringCase& c, std::ostream* out) { *out << '"' << c.text << '"'; }

class CourseLettering : public ::testing::TestWithParam<LetteringCase> {};

// Lettering that spills out of its box, or is missing, shows as a misplaced word in the view.
TEST_P(CourseLettering, fillsItsBoxAndNothingNearIt) {
  const LetteringCase c = GetParam();
  constexpr int margin = 6;
  const PixelRect near{c.box.left - margin, c.box.top - margin, c.box.right + margin,
                       c.box.bottom + margin};
  const PixelRect bounds = paintedBounds(near);
  EXPECT_EQ(bounds.left, c.box.left);
  EXPECT_EQ(bounds.right, c.box.right);
  EXPECT_EQ(bounds.top, c.box.top);
  EXPECT_EQ(bounds.bottom, c.box.bottom);
  EXPECT_GE(countColour(c.box, c.face), c.minimumFacePixels);
}

INSTANTIATE_TEST_SUITE_P(Words, CourseLettering,
                         ::testing::Values(LetteringCase{"GOAL", {21, 73, 117, 95}, red, 300},
                                           LetteringCase{"START", {11, 2800, 128, 2822}, red, 350},
                                           LetteringCase{"80", {8, 929, 38, 953}, white, 150}),
                         [](const auto& info) { return std::string("_") + info.param.text; });

// The red lettering is edged: some dark red and black must sit between the red face and the grey.
TEST(CoursePicture, redLetteringHasDarkRedAndBlackEdges) {
  const PixelRect goal{21, 73, 117, 95};
  EXPECT_GT(countColour(goal, black), 50);
  int darkRed = 0;
  for (int y = goal.top; y <= goal.bottom; ++y)
    for (int x = goal.left; x <= goal.right; ++x) {
      const Colour c = course().at(x, y);
      darkRed += c.g == 0 && c.b == 0 && c.r >= 96 && c.r <= 192;
    }
  EXPECT_GT(darkRed, 50);
}

// Rows where the centre line is painted at columns 71 to 75 in the straight part.
std::vector<int> dashRows() {
  std::vector<int> rows;
  for (int y = 204; y <= 580; ++y) {
    const bool painted = course().at(73, y) == white;
    for (int x = 71; x <= 75; ++x)
      EXPECT_EQ(course().at(x, y) == white, painted) << "dash column " << x << " row " << y;
    EXPECT_EQ(course().at(70, y), road) << "row " << y;
    EXPECT_EQ(course().at(76, y), road) << "row " << y;
    if (painted) rows.push_back(y);
  }
  return rows;
}

// Dashes 5 wide, 39 long, one every 51 rows.
TEST(CoursePicture, straightRoadHasEvenlySpacedCentreDashes) {
  const std::vector<int> rows = dashRows();
  std::vector<std::pair<int, int>> dashes;  // first and last row
  for (const int y : rows)
    if (!dashes.empty() && dashes.back().second == y - 1)
      dashes.back().second = y;
    else
      dashes.push_back({y, y});
  ASSERT_GE(dashes.size(), 6u);
  for (std::size_t i = 0; i + 1 < dashes.size(); ++i) {
    EXPECT_EQ(dashes[i].second - dashes[i].first + 1, 39) << "dash from row " << dashes[i].first;
    EXPECT_EQ(dashes[i + 1].first - dashes[i].first, 51) << "dash from row " << dashes[i].first;
  }
}

TEST(CoursePicture, straightRoadHasTwoDiamondsInTheLeftLane) {
  EXPECT_EQ(paintedBounds({0, 280, 66, 384}).left, 21);
  const PixelRect upper = paintedBounds({0, 280, 66, 384});
  EXPECT_EQ(upper.right, 49);
  EXPECT_EQ(upper.top, 292);
  EXPECT_EQ(upper.bottom, 376);
  const PixelRect lower = paintedBounds({0, 385, 66, 500});
  EXPECT_EQ(lower.left, 21);
  EXPECT_EQ(lower.right, 49);
  EXPECT_EQ(lower.top, 406);
  EXPECT_NEAR(lower.bottom, 489, 1);
  // Outlines only: the middle of each diamond is bare road.
  EXPECT_EQ(course().at(35, 334), road);
  EXPECT_EQ(course().at(35, 448), road);
}

struct RoadCase {
  int row;
  int left, right;  // road columns; the verge lies beyond
};

void PrintTo(const RoadCase& c, std::ostream* out) { *out << "row " << c.row; }

class RoadSpan : public ::testing::TestWithParam<RoadCase> {};

// The road must keep its stated width where it runs straight.
TEST_P(RoadSpan, roadLiesBetweenGreenVerges) {
  const RoadCase c = GetParam();
  for (int x = 0; x < width; ++x) {
    const Colour pixel = course().at(x, c.row);
    if (x < c.left || x > c.right) {
      EXPECT_EQ(pixel, verge) << "column " << x;
    } else {
      EXPECT_TRUE(pixel == road || pixel == white) << "column " << x;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, RoadSpan,
                         ::testing::Values(RoadCase{260, 0, 140}, RoadCase{900, 0, 103},
                                           RoadCase{1000, 0, 103}, RoadCase{1200, 0, 103},
                                           RoadCase{1500, 37, 126}, RoadCase{1600, 37, 126},
                                           RoadCase{1900, 37, 126}),
                         [](const auto& info) { return "row" + std::to_string(info.param.row); });

// The centre line moves with the road: columns 48 to 52 on the narrow road, 77 to 86 after the
// shift.
TEST(CoursePicture, centreLineFollowsTheRoad) {
  int narrowDashRows = 0;
  for (int y = 800; y <= 1260; ++y) {
    if (course().at(50, y) != white) continue;
    ++narrowDashRows;
    EXPECT_EQ(course().at(47, y), road) << "row " << y;
    EXPECT_EQ(course().at(48, y), white) << "row " << y;
    EXPECT_EQ(course().at(52, y), white) << "row " << y;
    EXPECT_EQ(course().at(53, y), road) << "row " << y;
  }
  EXPECT_GT(narrowDashRows, 300);
  for (int y = 1500; y <= 1900; y += 50) {
    EXPECT_EQ(course().at(76, y), road) << "row " << y;
    EXPECT_EQ(course().at(77, y), white) << "row " << y;
    EXPECT_EQ(course().at(86, y), white) << "row " << y;
    EXPECT_EQ(course().at(87, y), road) << "row " << y;
  }
}

// The winding road keeps a drivable width, with verge or trees on both sides and no centre line.
TEST(CoursePicture, windingRoadSnakesBetweenVerges) {
  int leftmost = width;
  int rightmost = 0;
  for (int y = 1940; y <= 2635; y += 5) {
    const PixelRect roadRun = [&] {
      PixelRect run{width, y, -1, y};
      for (int x = 0; x < width; ++x)
        if (course().at(x, y) == road) {
          run.left = std::min(run.left, x);
          run.right = std::max(run.right, x);
        }
      return run;
    }();
    const int roadWidth = roadRun.right - roadRun.left + 1;
    EXPECT_GE(roadWidth, 74) << "row " << y;
    EXPECT_LE(roadWidth, 92) << "row " << y;
    EXPECT_GT(roadRun.left, 0) << "row " << y;
    EXPECT_LT(roadRun.right, width - 1) << "row " << y;
    if (y < 2278 || y > 2397) {
      EXPECT_EQ(countColour({roadRun.left, y, roadRun.right, y}, white), 0) << "row " << y;
    }
    leftmost = std::min(leftmost, roadRun.left);
    rightmost = std::max(rightmost, roadRun.right);
  }
  EXPECT_GT(rightmost - leftmost, 100) << "the road hardly winds";
}

TEST(CoursePicture, treesStandOnlyBesideTheWindingRoad) {
  EXPECT_EQ(countColour({0, 0, width - 1, 1899}, treeGreen), 0);
  EXPECT_EQ(countColour({0, 2700, width - 1, height - 1}, treeGreen), 0);
  const int left = countColour({0, 1930, 40, 2690}, treeGreen);
  const int right = countColour({100, 1930, width - 1, 2690}, treeGreen);
  EXPECT_GT(left, 1000);
  EXPECT_GT(right, 1000);
}

TEST(CoursePicture, directionArrowIsWhiteOutlinedInBlack) {
  const PixelRect arrow = paintedBounds({30, 2270, 100, 2405});
  EXPECT_NEAR(arrow.top, 2278, 1);
  EXPECT_EQ(arrow.bottom, 2397);
  EXPECT_NEAR(arrow.right - arrow.left + 1, 46, 2);
  EXPECT_GT(countColour(arrow, white), 1000);
  EXPECT_GT(countColour(arrow, black), 100);
}

TEST(CoursePicture, roadGreyFillsAboutSevenTenths) {
  const double share =
      static_cast<double>(countColour({0, 0, width - 1, height - 1}, road)) / (width * height);
  EXPECT_GE(share, 0.65);
  EXPECT_LE(share, 0.75);
}

// No pixel may use a colour-table entry outside the table.
TEST(CoursePicture, everyIndexIsInsideTheTable) {
  const auto largest = *std::max_element(course().indices.begin(), course().indices.end());
  EXPECT_LT(largest, course().localTable.size());
  EXPECT_EQ(course().indices.size(), static_cast<std::size_t>(width * height));
}

}  // namespace
}  // namespace vortalin::pictures::testing
