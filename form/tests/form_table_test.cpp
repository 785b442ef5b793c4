#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "form/design_state.h"
#include "form/form_table.h"
#include "form/keys_and_focus.h"
#include "form/pictures.h"
#include "form/window_order.h"

namespace vortalin::form {
namespace {

TEST(FormTable, HoldsTheWindowAndSixteenControls) {
  EXPECT_EQ(formTable.size(), 17u);
  EXPECT_EQ(formTable.front().kind, ControlKind::Window);
}

// Each container's stacking places run 1, 2, 3... without gaps or repeats.
TEST(FormTable, StackingPlacesAreConsecutivePerContainer) {
  for (const std::string container : {"Form1", "Picture1"}) {
    int expected = 1;
    for (const ControlRecord& record : formTable) {
      if (record.container == container) {
        EXPECT_EQ(record.stacking, expected++) << record.name;
      }
    }
  }
}

TEST(FormTable, TabIndicesAreUnique) {
  std::set<int> seen;
  for (const ControlRecord& record : formTable) {
    if (record.tabIndex >= 0) {
      EXPECT_TRUE(seen.insert(record.tabIndex).second) << record.name;
    }
  }
  EXPECT_EQ(seen.size(), 15u);
}

// The two unit labels end in one column.
TEST(FormTable, UnitLabelsShareTheirRightEdge) {
  const auto& pt = control("Label2");
  const auto& m = control("Label1");
  EXPECT_EQ(pt.left + pt.width, 1935);
  EXPECT_EQ(m.left + m.width, 1935);
}

// Car boxes are their 30 x 50 picture plus a pixel each side; the strip 141 x 2835 plus two.
TEST(FormTable, AutoSizedBoxesMatchTheirPictures) {
  for (const ControlRecord& record : formTable) {
    if (record.picture == Picture::PlayerCar || record.picture == Picture::RivalCar) {
      if (record.kind == ControlKind::Window) continue;
      EXPECT_EQ(record.width, (30 + 2) * twipsPerPixel) << record.name;
      EXPECT_EQ(record.height, (50 + 2) * twipsPerPixel) << record.name;
    }
  }
  EXPECT_EQ(control("Picture2").width, (141 + 4) * twipsPerPixel);
  EXPECT_EQ(control("Picture2").height, (2835 + 4) * twipsPerPixel);
}

TEST(DesignViewState, MatchesTheOpeningWindow) {
  const ViewState s = designViewState();
  EXPECT_EQ(s[Box::Strip], (BoxPosition{0, -37920}));
  EXPECT_EQ(s[Box::Player], (BoxPosition{600, 3120}));
  EXPECT_EQ(s[Box::Rival0], (BoxPosition{1200, -2000}));
  EXPECT_EQ(s[Box::Rival1], (BoxPosition{240, -5000}));
  EXPECT_FALSE(s.clockEnabled);
  EXPECT_EQ(s.backgroundColour, 0x8000000Fu);
  EXPECT_EQ(s.energyText, "1000");
  EXPECT_EQ(s.distanceText, "0");
}

// Win32 takes both the drawing order and the Tab key's order from the order of a
// container's windows: that one order must keep overlapping controls stacked as designed
// and the focusable ones in tab order. Two arrow buttons overlap the course frame by a pixel.
TEST(WindowOrder, KeepsTheStackingWhereControlsOverlapAndTheTabOrder) {
  ASSERT_TRUE(overlaps(control("Command2"), control("Picture1")));
  ASSERT_TRUE(overlaps(control("Text1"), control("Label2")));
  EXPECT_EQ(windowOrder.size(), 15u);  // every control but the timer
  for (std::size_t i = 0; i < windowOrder.size(); ++i) {
    for (std::size_t j = i + 1; j < windowOrder.size(); ++j) {
      const ControlRecord& front = formTable[windowOrder[i]];
      const ControlRecord& back = formTable[windowOrder[j]];
      if (front.container != back.container) continue;
      if (takesFocus(front.kind) && takesFocus(back.kind)) {
        EXPECT_LT(front.tabIndex, back.tabIndex) << front.name << " " << back.name;
      }
      if (overlaps(front, back)) {
        EXPECT_LT(front.stacking, back.stacking) << front.name << " " << back.name;
      }
    }
  }
}

TEST(FormTable, HomePageIsAnAddress) {
  EXPECT_TRUE(control("Label4").caption.starts_with("https://"));
}

// A window that moved the focus by the table's row order, or stopped at either end, would
// leave a player with only arrow keys unable to reach every button.
TEST(KeysAndFocus, ArrowKeysWalkTheTabOrderRoundInBothDirections) {
  const int count = static_cast<int>(tabOrder.size());
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(rowAfterArrow(tabOrder[i], ArrowKey::Right), tabOrder[(i + 1) % count]);
    EXPECT_EQ(rowAfterArrow(tabOrder[i], ArrowKey::Down), tabOrder[(i + 1) % count]);
    EXPECT_EQ(rowAfterArrow(tabOrder[i], ArrowKey::Left), tabOrder[(i + count - 1) % count]);
    EXPECT_EQ(rowAfterArrow(tabOrder[i], ArrowKey::Up), tabOrder[(i + count - 1) % count]);
  }
  EXPECT_EQ(caretAfterRewrite(2, 4), 2);
  EXPECT_EQ(caretAfterRewrite(5, 3), 3);
}

// At 1.5 two device pixels in three fall wholly on one picture pixel and the third straddles
// two: a rule that rounds the other way shifts trees and arrow edges by a pixel.
TEST(Pictures, EnlargeByThePixelUnderEachDevicePixelsCentre) {
  std::vector<int> shown;
  for (int d = 0; d < 9; ++d) shown.push_back(sourcePixel(d, 6, 9));
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 1, 2, 2, 3, 4, 4, 5}));
  shown.clear();
  for (int d = 0; d < 7; ++d) shown.push_back(sourcePixel(d, 5, 7));  // 141 to 212 in small
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 1, 2, 3, 3, 4}));
  for (int d = 0; d < 4253; ++d) {
    ASSERT_EQ(sourcePixel(d, 2835, 2835), d);
    ASSERT_EQ(sourcePixel(d, 2835, 5670), d / 2);
  }
  EXPECT_EQ(sourcePixel(4252, 2835, 4253), 2834);
}

}  // namespace
}  // namespace vortalin::form
