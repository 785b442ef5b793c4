#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <set>
#include <string>
#include <tuple>

#include "decoded_picture.h"

namespace vortalin::pictures::testing {
namespace {

constexpr int width = 30;
constexpr int height = 50;
constexpr Colour red{255, 0, 0};
constexpr Colour blue{0, 0, 255};
constexpr Colour lightCyan{153, 255, 255};

enum class Paint { body, black, white, glass };

struct Element {
  const char* name;
  Paint paint;
  int left, right, top, bottom;  // inclusive
  bool frame;                    // only the one-pixel border of the rectangle
};

// The car drawing, element by element; every pixel not covered is body.
constexpr std::array<Element, 22> carElements{{
    {"left front tyre", Paint::black, 0, 3, 7, 17, false},
    {"right front tyre", Paint::black, 26, 29, 7, 17, false},
    {"left rear tyre", Paint::black, 0, 3, 36, 46, false},
    {"right rear tyre", Paint::black, 26, 29, 36, 46, false},
    {"left tyre edge 6", Paint::white, 0, 3, 6, 6, false},
    {"right tyre edge 6", Paint::white, 26, 29, 6, 6, false},
    {"left tyre edge 18", Paint::white, 0, 3, 18, 18, false},
    {"right tyre edge 18", Paint::white, 26, 29, 18, 18, false},
    {"left tyre edge 35", Paint::white, 0, 3, 35, 35, false},
    {"right tyre edge 35", Paint::white, 26, 29, 35, 35, false},
    {"left tyre edge 47", Paint::white, 0, 3, 47, 47, false},
    {"right tyre edge 47", Paint::white, 26, 29, 47, 47, false},
    {"windscreen frame", Paint::black, 5, 24, 13, 19, true},
    {"windscreen glass", Paint::glass, 6, 23, 14, 18, false},
    {"left side window frame", Paint::black, 2, 5, 20, 32, true},
    {"right side window frame", Paint::black, 24, 27, 20, 32, true},
    {"left side window glass", Paint::glass, 3, 4, 21, 31, false},
    {"right side window glass", Paint::glass, 25, 26, 21, 31, false},
    {"rear window frame", Paint::black, 5, 24, 34, 38, true},
    {"rear window glass", Paint::glass, 6, 23, 35, 37, false},
    {"bonnet", Paint::body, 0, 29, 0, 5, false},
    {"boot", Paint::body, 0, 29, 48, 49, false},
}};

bool covers(const Element& e, int x, int y) {
  if (x < e.left || x > e.right || y < e.top || y > e.bottom) return false;
  return !e.frame || x == e.left || x == e.right || y == e.top || y == e.bottom;
}

Colour colourOf(Paint paint, Colour body) {
  switch (paint) {
    case Paint::black: return black;
    case Paint::white: return white;
    case Paint::glass: return lightCyan;
    case Paint::body: break;
  }
  return body;
}

struct Expected {
  Paint paint = Paint::body;
  std::string element = "body";
};

Expected expectedAt(int x, int y) {
  Expected expected;
  for (const Element& e : carElements)
    if (covers(e, x, y)) {
      // The table must not contradict itself.
      EXPECT_TRUE(expected.element == "body" || expected.paint == e.paint)
          << e.name << " and " << expected.element << " both claim (" << x << ", " << y << ")";
      expected = {e.paint, e.name};
    }
  return expected;
}

struct CarCase {
  const char* file;
  Colour body;
};

void PrintTo(const CarCase& c, std::ostream* out) { *out << c.file; }

class CarPicture : public ::testing::TestWithParam<CarCase> {
 protected:
  DecodedGif car = decodeGif(picturePath(GetParam().file));
};

// Wrong GIF header details would make the window fail to load or show the car differently.
TEST_P(CarPicture, isOneOpaqueGif89aFrameWithAGlobalTable) {
  EXPECT_EQ(car.signature, "GIF89a");
  EXPECT_EQ(car.width, width);
  EXPECT_EQ(car.height, height);
  EXPECT_EQ(car.globalTable.size(), 256u);
  EXPECT_TRUE(car.localTable.empty());
  EXPECT_EQ(car.frames, 1);
  EXPECT_FALSE(car.interlaced);
  EXPECT_FALSE(car.transparentColour);
  EXPECT_EQ(car.extensionBlocks, 0);
}

// Guards the table layout: 16 standard colours, 24 unused blacks, then the 6x6x6 cube.
TEST_P(CarPicture, globalTableHoldsStandardColoursBlacksAndTheCube) {
  const std::array<Colour, 16> standard{{{0, 0, 0},
                                         {128, 0, 0},
                                         {0, 128, 0},
                                         {128, 128, 0},
                                         {0, 0, 128},
                                         {128, 0, 128},
                                         {0, 128, 128},
                                         {192, 192, 192},
                                         {128, 128, 128},
                                         {255, 0, 0},
                                         {0, 255, 0},
                                         {255, 255, 0},
                                         {0, 0, 255},
                                         {255, 0, 255},
                                         {0, 255, 255},
                                         {255, 255, 255}}};
  ASSERT_EQ(car.globalTable.size(), 256u);
  for (std::size_t i = 0; i < standard.size(); ++i)
    EXPECT_EQ(car.globalTable[i], standard[i]) << "entry " << i;
  for (std::size_t i = 16; i < 40; ++i) EXPECT_EQ(car.globalTable[i], black) << "entry " << i;
  const std::array<int, 6> levels{0, 51, 102, 153, 204, 255};
  std::size_t i = 40;
  for (const int r : levels)
    for (const int g : levels)
      for (const int b : levels) {
        EXPECT_EQ(car.globalTable[i], (Colour{r, g, b})) << "entry " << i;
        ++i;
      }
}

// Every pixel of the drawing, against the element table.
TEST_P(CarPicture, everyPixelMatchesTheCarTable) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Expected expected = expectedAt(x, y);
      const Colour want = colourOf(expected.paint, GetParam().body);
      ASSERT_EQ(car.at(x, y), want)
          << "pixel (" << x << ", " << y << ") should be " << expected.element;
    }
}

// A frame drawn one column too wide would swallow the body column between it and the tyre.
TEST_P(CarPicture, aBodyColumnSeparatesWindowFramesFromTyres) {
  for (const int y : {13, 17, 18, 35, 38}) {
    EXPECT_NE(car.at(3, y), GetParam().body) << "row " << y;
    EXPECT_EQ(car.at(4, y), GetParam().body) << "row " << y;
    EXPECT_EQ(car.at(5, y), black) << "row " << y;
    EXPECT_EQ(car.at(24, y), black) << "row " << y;
    EXPECT_EQ(car.at(25, y), GetParam().body) << "row " << y;
    EXPECT_NE(car.at(26, y), GetParam().body) << "row " << y;
  }
}

TEST_P(CarPicture, isSymmetricAndUsesFourColours) {
  std::set<std::tuple<int, int, int>> used;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      EXPECT_EQ(car.at(x, y), car.at(width - 1 - x, y)) << "pixel (" << x << ", " << y << ")";
      const Colour c = car.at(x, y);
      used.insert({c.r, c.g, c.b});
    }
  EXPECT_EQ(used.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Cars, CarPicture,
                         ::testing::Values(CarCase{"player_car.gif", red},
                                           CarCase{"rival_car.gif", blue}),
                         [](const auto& info) {
                           return std::string(info.param.body == red ? "player" : "rival");
                         });

// The rival must be the player's drawing with only the body repainted.
TEST(CarPictures, differOnlyInBodyColour) {
  const DecodedGif player = decodeGif(picturePath("player_car.gif"));
  const DecodedGif rival = decodeGif(picturePath("rival_car.gif"));
  ASSERT_EQ(player.globalTable, rival.globalTable);
  ASSERT_EQ(player.indices.size(), rival.indices.size());
  int bodyPixels = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (player.at(x, y) == red) {
        EXPECT_EQ(rival.at(x, y), blue) << "pixel (" << x << ", " << y << ")";
        ++bodyPixels;
      } else {
        EXPECT_EQ(rival.at(x, y), player.at(x, y)) << "pixel (" << x << ", " << y << ")";
      }
    }
  EXPECT_GT(bodyPixels, width * height / 2);
}

}  // namespace
}  // namespace vortalin::pictures::testing
