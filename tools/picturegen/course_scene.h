#pragma once

#include <optional>
#include <vector>

#include "form/pictures.h"
#include "geometry.h"
#include "indexed_image.h"
#include "lettering.h"

namespace vortalin::pictures {

inline constexpr int courseWidth = form::pictureSize(form::Picture::Course).width;
inline constexpr int courseHeight = form::pictureSize(form::Picture::Course).height;

namespace courseColour {
inline constexpr Rgb road{178, 178, 178};
inline constexpr Rgb verge{0, 128, 0};
inline constexpr Rgb tree{0, 102, 0};
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb darkRed{128, 0, 0};
}  // namespace courseColour

/// The road between its verges: [left, right) in pixels.
struct RoadSpan {
  double left = 0;
  double right = 0;
};

/// The course as a continuous drawing: the colour at any point of the course picture.
class CourseScene {
 public:
  CourseScene();

  Rgb colourAt(Point p) const;
  RoadSpan roadAt(double y) const;

 private:
  struct Tree {
    Point centre;
    double radius;
  };

  void plantTrees();
  bool treeFits(const Tree& tree, bool leftSide) const;
  std::optional<Rgb> treeAt(Point p) const;
  std::optional<Rgb> markingAt(Point p) const;
  std::optional<Rgb> letteringAt(Point p) const;
  bool centreLineAt(Point p) const;

  std::vector<Tree> trees_;  // sorted by centre row
  Lettering goal_;
  Lettering start_;
  Lettering speedLimit_;
};

}  // namespace vortalin::pictures
