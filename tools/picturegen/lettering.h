#pragma once

#include <string_view>
#include <vector>

#include "geometry.h"

namespace vortalin::pictures {

/// A line of capital letters or digits drawn with round-capped strokes, laid out so that
/// the strokes, grown by `margin`, fill `outerBox` exactly.
class Lettering {
 public:
  struct Layout {
    Box outerBox;
    double margin = 0;         // outline width outside the strokes
    double gap = 0;            // between the outer boxes of neighbouring letters
    double halfThickness = 0;  // of a stroke
  };

  Lettering(std::string_view text, const Layout& layout);

  /// Distance from the nearest stroke's edge: negative inside a stroke.
  double signedDistance(Point p) const;
  const Box& outerBox() const { return box_; }

 private:
  struct Segment {
    Point a;
    Point b;
  };
  std::vector<Segment> segments_;
  Box box_;
  double halfThickness_;
};

}  // namespace vortalin::pictures
