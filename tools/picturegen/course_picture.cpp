#include "course_picture.h"

#include <array>
#include <map>
#include <stdexcept>

#include "course_scene.h"

namespace vortalin::pictures {
namespace {

constexpr int samplesPerSide = 4;
constexpr int samplesPerPixel = samplesPerSide * samplesPerSide;

struct Ramp {
  Rgb from;
  Rgb to;
  int steps;  // blends at k/steps for k = 1 .. steps-1
};

// Only colours that meet at an edge in the drawing need blends between them.
const std::array<Ramp, 9> ramps{{
    {courseColour::road, courseColour::verge, 16},
    {courseColour::road, courseColour::white, 16},
    {courseColour::road, courseColour::black, 16},
    {courseColour::verge, courseColour::black, 16},
    {courseColour::black, courseColour::darkRed, 8},
    {courseColour::darkRed, courseColour::red, 8},
    {courseColour::black, courseColour::white, 8},
    {courseColour::black, courseColour::tree, 8},
    {courseColour::tree, courseColour::verge, 8},
}};

std::uint8_t mix(int from, int to, int k, int steps) {
  return static_cast<std::uint8_t>((from * (steps - k) + to * k + steps / 2) / steps);
}

std::vector<Rgb> coursePalette() {
  std::vector<Rgb> palette{courseColour::road,   courseColour::verge, courseColour::tree,
                           courseColour::white,  courseColour::black, courseColour::red,
                           courseColour::darkRed};
  for (const Ramp& ramp : ramps)
    for (int k = 1; k < ramp.steps; ++k)
      palette.push_back({mix(ramp.from.r, ramp.to.r, k, ramp.steps),
                         mix(ramp.from.g, ramp.to.g, k, ramp.steps),
                         mix(ramp.from.b, ramp.to.b, k, ramp.steps)});
  if (palette.size() > courseTableSize) throw std::logic_error("course colour table overflows");
  palette.resize(courseTableSize, courseColour::black);
  return palette;
}

int squaredDistance(Rgb a, Rgb b) {
  const int dr = a.r - b.r;
  const int dg = a.g - b.g;
  const int db = a.b - b.b;
  return dr * dr + dg * dg + db * db;
}

class NearestColour {
 public:
  explicit NearestColour(const std::vector<Rgb>& palette) : palette_(palette) {}

  std::uint8_t operator()(Rgb colour) {
    const int key = colour.r << 16 | colour.g << 8 | colour.b;
    if (const auto known = cache_.find(key); known != cache_.end()) return known->second;
    std::size_t best = 0;
    for (std::size_t i = 1; i < palette_.size(); ++i)
      if (squaredDistance(colour, palette_[i]) < squaredDistance(colour, palette_[best])) best = i;
    return cache_[key] = static_cast<std::uint8_t>(best);
  }

 private:
  const std::vector<Rgb>& palette_;
  std::map<int, std::uint8_t> cache_;
};

Rgb averagePixel(const CourseScene& scene, int x, int y) {
  int r = 0;
  int g = 0;
  int b = 0;
  for (int sy = 0; sy < samplesPerSide; ++sy)
    for (int sx = 0; sx < samplesPerSide; ++sx) {
      const Rgb c =
          scene.colourAt({x + (sx + 0.5) / samplesPerSide, y + (sy + 0.5) / samplesPerSide});
      r += c.r;
      g += c.g;
      b += c.b;
    }
  constexpr int half = samplesPerPixel / 2;
  return {static_cast<std::uint8_t>((r + half) / samplesPerPixel),
          static_cast<std::uint8_t>((g + half) / samplesPerPixel),
          static_cast<std::uint8_t>((b + half) / samplesPerPixel)};
}

}  // namespace

IndexedImage drawCourse() {
  const CourseScene scene;
  IndexedImage image{courseWidth, courseHeight, coursePalette(), {}};
  NearestColour nearest(image.palette);
  image.pixels.reserve(static_cast<std::size_t>(courseWidth * courseHeight));
  for (int y = 0; y < courseHeight; ++y)
    for (int x = 0; x < courseWidth; ++x)
      image.pixels.push_back(nearest(averagePixel(scene, x, y)));
  return image;
}

}  // namespace vortalin::pictures
