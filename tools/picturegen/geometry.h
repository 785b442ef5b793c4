#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

namespace vortalin::pictures {

// Only correctly rounded operations (+ - * / sqrt) so that every machine draws the same pixels.

struct Point {
  double x = 0;
  double y = 0;
};

/// A half-open rectangle [left, right) x [top, bottom) in pixel units.
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  Box grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
};

inline double squaredDistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = p.x - (a.x + t * dx);
  const double ey = p.y - (a.y + t * dy);
  return ex * ex + ey * ey;
}

inline double distanceToSegment(Point p, Point a, Point b) {
  return std::sqrt(squaredDistanceToSegment(p, a, b));
}

/// Even-odd rule.
inline bool insidePolygon(Point p, const std::vector<Point>& corners) {
  bool inside = false;
  for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
    const Point a = corners[i];
    const Point b = corners[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside;
}

inline double distanceToOutline(Point p, const std::vector<Point>& corners) {
  double best2 = INFINITY;
  for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++)
    best2 = std::min(best2, squaredDistanceToSegment(p, corners[j], corners[i]));
  return std::sqrt(best2);
}

/// 0 at t <= 0, 1 at t >= 1, with zero slope at both ends.
inline double smoothStep(double t) {
  t = std::clamp(t, 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

inline double blend(double from, double to, double t) { return from + (to - from) * t; }

}  // namespace vortalin::pictures
