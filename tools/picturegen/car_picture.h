#pragma once

#include "form/pictures.h"
#include "indexed_image.h"

namespace vortalin::pictures {

inline constexpr int carWidth = form::pictureSize(form::Picture::PlayerCar).width;
inline constexpr int carHeight = form::pictureSize(form::Picture::PlayerCar).height;

inline constexpr Rgb playerBody{255, 0, 0};
inline constexpr Rgb rivalBody{0, 0, 255};

/// The 16 standard Windows colours, 24 unused blacks, then the 6x6x6 colour cube.
std::vector<Rgb> standardPalette256();

/// The car seen from above, front at the top, in the given body colour.
IndexedImage drawCar(Rgb body);

}  // namespace vortalin::pictures
