#pragma once

#include <array>
#include <string_view>

#include "control_record.h"

namespace vortalin::form {

struct PixelSize {
  int width = 0;
  int height = 0;
};

/// Every picture the window shows, and the number of slots a table indexed by `Picture`
/// needs (`Picture::None` included).
inline constexpr std::array allPictures{Picture::Course, Picture::PlayerCar, Picture::RivalCar};
inline constexpr int pictureSlots = static_cast<int>(allPictures.back()) + 1;

/// The natural size of each picture; an auto-sized box is this plus its frame.
constexpr PixelSize pictureSize(Picture picture) {
  switch (picture) {
    case Picture::Course: return {141, 2835};
    case Picture::PlayerCar:
    case Picture::RivalCar: return {30, 50};
    case Picture::None: break;
  }
  return {};
}

/// Which pixel of a row or column of `sourceSize` pixels a picture enlarged to `deviceSize`
/// device pixels shows at `devicePixel`, without smoothing: the one under the device pixel's
/// centre, or where that centre falls between two, the first. Exact in integers, so every
/// window enlarges a picture alike at any scale.
constexpr int sourcePixel(int devicePixel, int sourceSize, int deviceSize) {
  return static_cast<int>(((2LL * devicePixel + 1) * sourceSize - 1) / (2LL * deviceSize));
}

/// The file of each picture among the program's resources.
constexpr std::string_view pictureFile(Picture picture) {
  switch (picture) {
    case Picture::Course: return "course.gif";
    case Picture::PlayerCar: return "player_car.gif";
    case Picture::RivalCar: return "rival_car.gif";
    case Picture::None: break;
  }
  return {};
}

}  // namespace vortalin::form
