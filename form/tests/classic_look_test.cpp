#include <gtest/gtest.h>

#include <vector>

#include "form/classic_look.h"

namespace vortalin::form {
namespace {

// A control's pixels, each counting how often the look paints it.
struct Canvas {
  int width;
  int height;
  std::vector<int> painted = std::vector<int>(static_cast<std::size_t>(width * height));
  void paint(const DeviceRect& rect) {
    ASSERT_GE(rect.left, 0);
    ASSERT_GE(rect.top, 0);
    ASSERT_LE(rect.left + rect.width, width);
    ASSERT_LE(rect.top + rect.height, height);
    for (int y = rect.top; y < rect.top + rect.height; ++y) {
      for (int x = rect.left; x < rect.left + rect.width; ++x) ++painted[y * width + x];
    }
  }
  int at(int x, int y) const { return painted[y * width + x]; }
};

struct LookCase {
  int dotsPerInch;
  int width;
  int height;
};

class ClassicLookAtScale : public testing::TestWithParam<LookCase> {};

// Every pixel of the border band is painted exactly once and nothing inside it: a gap or
// an overlap would show as a missing or a blended line.
TEST_P(ClassicLookAtScale, RingsTileTheBorderBandExactly) {
  const auto [dpi, width, height] = GetParam();
  for (Rings rings : {Rings(raisedBevel), Rings(focusedBevel), Rings(pressedBevel),
                      Rings(sunkenBevel), Rings(singleBorder)}) {
    Canvas canvas{width, height};
    paintRings(rings, width, height, dpi,
               [&](const DeviceRect& rect, SystemColour) { canvas.paint(rect); });
    const DeviceRect inside = insetRect(width, height, static_cast<int>(rings.size()), dpi);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const bool inBand = x < inside.left || y < inside.top ||
                            x >= inside.left + inside.width || y >= inside.top + inside.height;
        ASSERT_EQ(canvas.at(x, y), inBand ? 1 : 0) << x << "," << y << " of " << rings.size();
      }
    }
  }
}

// The mark's dots alternate along its line, lie inside it, and none is inverted twice
// (which would undo it).
TEST_P(ClassicLookAtScale, FocusMarkDotsAlternateWithinItsLine) {
  const auto [dpi, width, height] = GetParam();
  Canvas canvas{width, height};
  paintFocusMark(width, height, dpi, [&](const DeviceRect& rect) { canvas.paint(rect); });
  const DeviceRect mark = insetRect(width, height, focusMarkInset, dpi);
  const int line = deviceEdge(focusMarkInset + focusMarkWidth, dpi) - mark.left;
  int inked = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool onLine = x >= mark.left && y >= mark.top && x < mark.left + mark.width &&
                          y < mark.top + mark.height &&
                          (x < mark.left + line || y < mark.top + line ||
                           x >= mark.left + mark.width - line ||
                           y >= mark.top + mark.height - line);
      ASSERT_LE(canvas.at(x, y), onLine ? 1 : 0) << x << "," << y;
      inked += canvas.at(x, y);
    }
  }
  EXPECT_EQ(canvas.at(mark.left, mark.top), 1);
  EXPECT_EQ(canvas.at(mark.left + line, mark.top), 0);
  EXPECT_NEAR(inked, mark.width * line * 2 / 2 + (mark.height - 2 * line) * line * 2 / 2,
              4 * line * line);
}

INSTANTIATE_TEST_SUITE_P(Scales, ClassicLookAtScale,
                         testing::Values(LookCase{96, 121, 41}, LookCase{120, 151, 51},
                                         LookCase{144, 182, 62}, LookCase{168, 212, 72},
                                         LookCase{192, 242, 82}, LookCase{288, 363, 123}));

// At 1.5 a design pixel is a device pixel and a half: the two rings of a bevel take 2 and 1,
// the 3 device pixels the layout leaves for the frame, never a blended edge.
TEST(ClassicLook, RingsAtOneAndAHalfAreTwoAndOneDevicePixels) {
  std::vector<int> topLines;
  paintRings(sunkenBevel, 100, 40, 144, [&](const DeviceRect& rect, SystemColour colour) {
    if (colour == sunkenBevel[0].topLeft || colour == sunkenBevel[1].topLeft) {
      if (rect.height < rect.width) topLines.push_back(rect.height);
    }
  });
  EXPECT_EQ(topLines, (std::vector<int>{2, 1}));
  EXPECT_EQ(deviceEdge(sunkenBorderPixels, 144), 3);
}

}  // namespace
}  // namespace vortalin::form
