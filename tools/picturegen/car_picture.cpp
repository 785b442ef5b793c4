#include "car_picture.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace vortalin::pictures {
namespace {

constexpr std::array<Rgb, 16> windowsColours{{
    {0, 0, 0},
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
    {255, 255, 255},
}};
constexpr int unusedBlacks = 24;
constexpr int cubeLevels = 6;
constexpr int cubeStep = 51;

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb glass{153, 255, 255};

std::uint8_t paletteIndex(const std::vector<Rgb>& palette, Rgb colour) {
  const auto found = std::find(palette.begin(), palette.end(), colour);
  if (found == palette.end()) throw std::logic_error("car colour missing from the colour table");
  return static_cast<std::uint8_t>(found - palette.begin());
}

struct Rect {
  int left, top, right, bottom;  // inclusive
};

class CarCanvas {
 public:
  explicit CarCanvas(Rgb body) {
    image_.width = carWidth;
    image_.height = carHeight;
    image_.palette = standardPalette256();
    image_.pixels.assign(carWidth * carHeight, paletteIndex(image_.palette, body));
  }

  // Draws on the left half and its mirror image on the right.
  void fillMirrored(Rect r, Rgb colour) {
    fill(r, colour);
    fill({carWidth - 1 - r.right, r.top, carWidth - 1 - r.left, r.bottom}, colour);
  }

  // A one-pixel frame around glass, itself drawn mirrored unless it spans the centre.
  void window(Rect frame, bool mirrored) {
    const Rect inner{frame.left + 1, frame.top + 1, frame.right - 1, frame.bottom - 1};
    if (mirrored) {
      fillMirrored(frame, black);
      fillMirrored(inner, glass);
    } else {
      fill(frame, black);
      fill(inner, glass);
    }
  }

  IndexedImage take() { return std::move(image_); }

 private:
  void fill(Rect r, Rgb colour) {
    const std::uint8_t index = paletteIndex(image_.palette, colour);
    for (int y = r.top; y <= r.bottom; ++y)
      for (int x = r.left; x <= r.right; ++x)
        image_.pixels[static_cast<std::size_t>(y * carWidth + x)] = index;
  }

  IndexedImage image_;
};

}  // namespace

std::vector<Rgb> standardPalette256() {
  std::vector<Rgb> palette(windowsColours.begin(), windowsColours.end());
  palette.insert(palette.end(), unusedBlacks, black);
  for (int r = 0; r < cubeLevels; ++r)
    for (int g = 0; g < cubeLevels; ++g)
      for (int b = 0; b < cubeLevels; ++b)
        palette.push_back({static_cast<std::uint8_t>(r * cubeStep),
                           static_cast<std::uint8_t>(g * cubeStep),
                           static_cast<std::uint8_t>(b * cubeStep)});
  return palette;
}

IndexedImage drawCar(Rgb body) {
  CarCanvas car(body);
  for (const int tyreTop : {6, 35}) {
    car.fillMirrored({0, tyreTop, 3, tyreTop}, white);
    car.fillMirrored({0, tyreTop + 1, 3, tyreTop + 11}, black);
    car.fillMirrored({0, tyreTop + 12, 3, tyreTop + 12}, white);
  }
  car.window({5, 13, 24, 19}, false);  // windscreen
  car.window({2, 20, 5, 32}, true);    // side windows
  car.window({5, 34, 24, 38}, false);  // rear window
  return car.take();
}

}  // namespace vortalin::pictures
