#include "course_scene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace vortalin::pictures {
namespace {

// Rows from the top; the player drives up the picture, from the start to the finish.
constexpr double finishLineTop = 199;
constexpr double finishLineBottom = 204;
constexpr double narrowingTop = 590;
constexpr double narrowingBottom = 790;
constexpr double shiftTop = 1270;
constexpr double shiftBottom = 1450;
constexpr double windingTop = 1930;
constexpr double flareTop = 2640;
constexpr double openTop = 2690;
constexpr double startLineTop = 2716;
constexpr double startLineBottom = 2722;

constexpr RoadSpan fullWidth{0, courseWidth};
constexpr RoadSpan narrowRoad{0, 104};
constexpr RoadSpan shiftedRoad{37, 127};

constexpr int dashFirstRow = 217;
constexpr int dashPeriod = 51;
constexpr int dashLength = 39;
constexpr double dashHalfWidth = 2.5;
constexpr double straightCentreLine = 73.5;
constexpr double narrowCentreLine = 50.5;
constexpr double shiftedCentreLine = 82;
// Past the bend the dashes give way to a double line warning of the winding road.
constexpr double doubleLineTop = 1492;
constexpr double doubleLineBottom = 1926;
constexpr std::array<Box, 2> doubleLine{
    {{77, doubleLineTop, 80, doubleLineBottom}, {84, doubleLineTop, 87, doubleLineBottom}}};

constexpr std::array<Box, 2> diamonds{{{21, 292, 50, 377}, {21, 406, 50, 491}}};
constexpr double diamondLineWidth = 2;

struct Bend {
  double row;
  double centre;
  double width;
};
constexpr std::array<Bend, 9> windingBends{{
    {windingTop, 82, 90},
    {2010, 62, 84},
    {2100, 86, 78},
    {2190, 66, 84},
    {2265, 66, 86},
    {2410, 66, 86},
    {2490, 89, 78},
    {2570, 56, 80},
    {flareTop, 72, 88},
}};

const std::vector<Point> arrow{{66, 2278}, {89, 2320}, {74, 2320}, {74, 2398},
                               {58, 2398}, {58, 2320}, {43, 2320}};
constexpr double arrowOutlineWidth = 1.5;

constexpr double letterOutline = 1;
constexpr double letterHalfThickness = 2.25;
constexpr double letterRim = 1;

constexpr double treeOutline = 1;
constexpr double treeClearance = 2;
constexpr double treeHighlightOffset = 0.3;
constexpr double treeHighlightSize = 0.35;
constexpr int treeAttempts = 4000;

double fraction(double y, double from, double to) { return smoothStep((y - from) / (to - from)); }

RoadSpan blendSpans(RoadSpan from, RoadSpan to, double t) {
  return {blend(from.left, to.left, t), blend(from.right, to.right, t)};
}

RoadSpan windingRoadAt(double y) {
  std::size_t next = 1;
  while (next + 1 < windingBends.size() && windingBends[next].row <= y) ++next;
  const Bend& a = windingBends[next - 1];
  const Bend& b = windingBends[next];
  const double t = fraction(y, a.row, b.row);
  const double centre = blend(a.centre, b.centre, t);
  const double halfWidth = blend(a.width, b.width, t) / 2;
  return {centre - halfWidth, centre + halfWidth};
}

bool insideDiamond(Point p, const Box& box, double inset) {
  const double halfWidth = (box.right - box.left) / 2;
  const double halfHeight = (box.bottom - box.top) / 2;
  const double dx = std::abs(p.x - (box.left + halfWidth));
  const double dy = std::abs(p.y - (box.top + halfHeight));
  // Distance from the centre to an edge, measured square to the edge.
  const double apothem =
      halfWidth * halfHeight / std::sqrt(halfWidth * halfWidth + halfHeight * halfHeight);
  return dx / halfWidth + dy / halfHeight <= 1 - inset / apothem;
}

// A fixed linear congruential sequence, so the trees stand in the same places on every run.
class TreeDice {
 public:
  std::uint32_t below(std::uint32_t n) {
    state_ = state_ * 1103515245u + 12345u;
    return (state_ >> 8) % n;
  }

 private:
  std::uint32_t state_ = 20240611u;
};

}  // namespace

CourseScene::CourseScene()
    : goal_("GOAL", {{21, 73, 118, 96}, letterOutline, 3, letterHalfThickness}),
      start_("START", {{11, 2800, 129, 2823}, letterOutline, 2, letterHalfThickness}),
      speedLimit_("80", {{8, 929, 39, 954}, 0, 3, 1.75}) {
  plantTrees();
}

RoadSpan CourseScene::roadAt(double y) const {
  if (y < narrowingTop || y >= openTop) return fullWidth;
  if (y < narrowingBottom)
    return blendSpans(fullWidth, narrowRoad, fraction(y, narrowingTop, narrowingBottom));
  if (y < shiftTop) return narrowRoad;
  if (y < shiftBottom)
    return blendSpans(narrowRoad, shiftedRoad, fraction(y, shiftTop, shiftBottom));
  if (y < windingTop) return shiftedRoad;
  if (y < flareTop) return windingRoadAt(y);
  return blendSpans(windingRoadAt(flareTop), fullWidth, fraction(y, flareTop, openTop));
}

Rgb CourseScene::colourAt(Point p) const {
  if (const auto letter = letteringAt(p)) return *letter;
  const RoadSpan road = roadAt(p.y);
  if (p.x < road.left || p.x >= road.right) return treeAt(p).value_or(courseColour::verge);
  return markingAt(p).value_or(courseColour::road);
}

std::optional<Rgb> CourseScene::letteringAt(Point p) const {
  for (const Lettering* word : {&goal_, &start_}) {
    if (!word->outerBox().contains(p)) continue;
    const double d = word->signedDistance(p);
    if (d <= -letterRim) return courseColour::red;
    if (d <= 0) return courseColour::darkRed;
    if (d <= letterOutline) return courseColour::black;
  }
  return std::nullopt;
}

std::optional<Rgb> CourseScene::markingAt(Point p) const {
  if ((p.y >= finishLineTop && p.y < finishLineBottom) ||
      (p.y >= startLineTop && p.y < startLineBottom))
    return courseColour::white;
  if (centreLineAt(p)) return courseColour::white;
  for (const Box& diamond : diamonds)
    if (diamond.contains(p) && insideDiamond(p, diamond, 0) &&
        !insideDiamond(p, diamond, diamondLineWidth))
      return courseColour::white;
  if (speedLimit_.outerBox().contains(p) && speedLimit_.signedDistance(p) <= 0)
    return courseColour::white;
  if (p.y >= arrow.front().y && p.y < arrow[3].y && insidePolygon(p, arrow))
    return distanceToOutline(p, arrow) <= arrowOutlineWidth ? courseColour::black
                                                            : courseColour::white;
  return std::nullopt;
}

bool CourseScene::centreLineAt(Point p) const {
  for (const Box& line : doubleLine)
    if (line.contains(p)) return true;
  const int row = static_cast<int>(std::floor(p.y));
  if (row < dashFirstRow || p.y >= doubleLineTop || (row - dashFirstRow) % dashPeriod >= dashLength)
    return false;
  double centre = shiftedCentreLine;
  if (p.y < narrowingBottom)
    centre =
        blend(straightCentreLine, narrowCentreLine, fraction(p.y, narrowingTop, narrowingBottom));
  else if (p.y < shiftBottom)
    centre = blend(narrowCentreLine, shiftedCentreLine, fraction(p.y, shiftTop, shiftBottom));
  return p.x >= centre - dashHalfWidth && p.x < centre + dashHalfWidth;
}

void CourseScene::plantTrees() {
  TreeDice dice;
  const auto firstRow = static_cast<std::uint32_t>(windingTop) + 6;
  const auto rows = static_cast<std::uint32_t>(openTop) - 6 - firstRow;
  for (int attempt = 0; attempt < treeAttempts; ++attempt) {
    const bool leftSide = dice.below(2) == 0;
    Tree tree{{static_cast<double>(dice.below(courseWidth)) + 0.5,
               static_cast<double>(firstRow + dice.below(rows)) + 0.5},
              static_cast<double>(4 + dice.below(4))};
    if (!treeFits(tree, leftSide)) continue;
    const auto position = std::upper_bound(trees_.begin(), trees_.end(), tree.centre.y,
                                           [](double y, const Tree& t) { return y < t.centre.y; });
    trees_.insert(position, tree);
  }
}

bool CourseScene::treeFits(const Tree& tree, bool leftSide) const {
  const double reach = tree.radius + treeClearance;
  for (double y = tree.centre.y - reach; y <= tree.centre.y + reach; y += 1) {
    const RoadSpan road = roadAt(y);
    if (leftSide ? tree.centre.x + reach > road.left : tree.centre.x - reach < road.right)
      return false;
  }
  for (const Tree& other : trees_) {
    const double dx = other.centre.x - tree.centre.x;
    const double dy = other.centre.y - tree.centre.y;
    const double spacing = 0.85 * (other.radius + tree.radius);
    if (dx * dx + dy * dy < spacing * spacing) return false;
  }
  return true;
}

std::optional<Rgb> CourseScene::treeAt(Point p) const {
  constexpr double largestRadius = 8;
  auto it = std::lower_bound(trees_.begin(), trees_.end(), p.y - largestRadius,
                             [](const Tree& t, double y) { return t.centre.y < y; });
  std::optional<Rgb> colour;
  for (; it != trees_.end() && it->centre.y <= p.y + largestRadius; ++it) {
    const double dx = p.x - it->centre.x;
    const double dy = p.y - it->centre.y;
    const double d2 = dx * dx + dy * dy;
    if (d2 > it->radius * it->radius) continue;
    const double crown = it->radius - treeOutline;
    if (d2 > crown * crown) {
      colour = courseColour::black;
      continue;
    }
    // Light falls from the top left onto the crown.
    const double hx = dx + treeHighlightOffset * it->radius;
    const double hy = dy + treeHighlightOffset * it->radius;
    const double highlight = treeHighlightSize * it->radius;
    colour = hx * hx + hy * hy <= highlight * highlight ? courseColour::verge : courseColour::tree;
  }
  return colour;
}

}  // namespace vortalin::pictures
