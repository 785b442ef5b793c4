#pragma once

#include <cstdint>

namespace vortalin {

/// A colour as 0x00BBGGRR; a value with the top bit set names a system colour by its low byte.
using Colour = std::uint32_t;

inline constexpr Colour systemColourFlag = 0x80000000u;

constexpr Colour systemColour(unsigned index) { return systemColourFlag | index; }

inline constexpr Colour buttonFace = systemColour(15);

}  // namespace vortalin
