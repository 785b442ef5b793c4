#include "lettering.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vortalin::pictures {
namespace {

using Polyline = std::vector<Point>;

struct Glyph {
  char letter;
  std::vector<Polyline> strokes;  // stroke centre lines in a unit box, y down
};

// A squarish painted-road face: chamfered corners, straight sides reaching the box edges.
const std::vector<Glyph>& glyphs() {
  static const std::vector<Glyph> table{
      {'A', {{{0, 1}, {0, 0.22}, {0.22, 0}, {0.78, 0}, {1, 0.22}, {1, 1}}, {{0, 0.56}, {1, 0.56}}}},
      {'G',
       {{{1, 0.22},
         {0.78, 0},
         {0.22, 0},
         {0, 0.22},
         {0, 0.78},
         {0.22, 1},
         {0.78, 1},
         {1, 0.78},
         {1, 0.52},
         {0.55, 0.52}}}},
      {'L', {{{0, 0}, {0, 1}, {1, 1}}}},
      {'O',
       {{{0.22, 0},
         {0.78, 0},
         {1, 0.22},
         {1, 0.78},
         {0.78, 1},
         {0.22, 1},
         {0, 0.78},
         {0, 0.22},
         {0.22, 0}}}},
      {'R',
       {{{0, 1}, {0, 0}, {0.78, 0}, {1, 0.2}, {1, 0.33}, {0.8, 0.52}, {0, 0.52}},
        {{0.55, 0.52}, {1, 1}}}},
      {'S',
       {{{1, 0.2},
         {0.8, 0},
         {0.2, 0},
         {0, 0.2},
         {0, 0.32},
         {0.2, 0.5},
         {0.8, 0.5},
         {1, 0.68},
         {1, 0.8},
         {0.8, 1},
         {0.2, 1},
         {0, 0.8}}}},
      {'T', {{{0, 0}, {1, 0}}, {{0.5, 0}, {0.5, 1}}}},
      {'0',
       {{{0.25, 0},
         {0.75, 0},
         {1, 0.18},
         {1, 0.82},
         {0.75, 1},
         {0.25, 1},
         {0, 0.82},
         {0, 0.18},
         {0.25, 0}}}},
      {'8',
       {{{0.2, 0},
         {0.8, 0},
         {0.95, 0.12},
         {0.95, 0.36},
         {0.8, 0.48},
         {0.2, 0.48},
         {0.05, 0.36},
         {0.05, 0.12},
         {0.2, 0}},
        {{0.2, 0.48},
         {0.8, 0.48},
         {1, 0.62},
         {1, 0.86},
         {0.8, 1},
         {0.2, 1},
         {0, 0.86},
         {0, 0.62},
         {0.2, 0.48}}}},
  };
  return table;
}

const Glyph& glyphFor(char letter) {
  const auto& table = glyphs();
  const auto found = std::find_if(table.begin(), table.end(),
                                  [letter](const Glyph& g) { return g.letter == letter; });
  if (found == table.end())
    throw std::invalid_argument(std::string("no glyph for the letter '") + letter + "'");
  return *found;
}

}  // namespace

Lettering::Lettering(std::string_view text, const Layout& layout)
    : box_(layout.outerBox), halfThickness_(layout.halfThickness) {
  if (text.empty()) throw std::invalid_argument("lettering needs at least one letter");
  const double count = static_cast<double>(text.size());
  const double letterWidth = (box_.right - box_.left - (count - 1) * layout.gap) / count;
  const double inset = layout.margin + layout.halfThickness;
  const double top = box_.top + inset;
  const double height = box_.bottom - inset - top;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const double left = box_.left + static_cast<double>(i) * (letterWidth + layout.gap) + inset;
    const double width = letterWidth - 2 * inset;
    for (const Polyline& stroke : glyphFor(text[i]).strokes)
      for (std::size_t k = 1; k < stroke.size(); ++k)
        segments_.push_back({{left + stroke[k - 1].x * width, top + stroke[k - 1].y * height},
                             {left + stroke[k].x * width, top + stroke[k].y * height}});
  }
}

double Lettering::signedDistance(Point p) const {
  double best2 = INFINITY;
  for (const Segment& s : segments_) best2 = std::min(best2, squaredDistanceToSegment(p, s.a, s.b));
  return std::sqrt(best2) - halfThickness_;
}

}  // namespace vortalin::pictures
