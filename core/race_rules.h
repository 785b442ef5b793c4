#pragma once

#include <cstdint>

#include "race_view.h"

/// The fixed numbers of a race. Lengths are twips, speeds twips per tick.
namespace vortalin::rules {

inline constexpr std::int16_t startEnergy = 1000;
inline constexpr float courseStartTop = -38000;
inline constexpr float rivalRestartTop = -1000;
inline constexpr float steerLeftSpeed = -10.0f;
inline constexpr float steerRightSpeed = +10.0f;

inline constexpr float endOfCourseTop = 0;
inline constexpr float courseSpeed = 25;
inline constexpr float rival0Speed = 30;
inline constexpr float rival1Speed = 40;
inline constexpr std::int16_t jitterAmplitude = 100;
inline constexpr float roadLeft = 0;
inline constexpr float roadRight = 1300;
inline constexpr float rivalWrapTop = 10000;
inline constexpr float collisionHalfWidth = 300;
inline constexpr float collisionHalfHeight = 1000;

/// Ticks from START to the tick that stops the clock, with exact positions: the strip must
/// scroll from its start past the end of the course, and the tick that finds it past still
/// runs. (A window that rounds positions to pixels may take a few more or fewer.)
inline constexpr int ticksPerCourse =
    static_cast<int>((endOfCourseTop - courseStartTop) / courseSpeed) + 2;

inline constexpr Colour hitColour = 255;
inline constexpr Colour normalColour = buttonFace;

}  // namespace vortalin::rules
