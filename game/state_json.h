#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/race.h"
#include "core/view_state.h"
#include "front_end.h"

namespace vortalin::game {

/// The boxes' names, in the order of `Box`.
inline constexpr std::array<std::string_view, boxCount> boxNames{"strip", "player", "rival0",
                                                                 "rival1"};
/// The displays' names, in the order of `Display`: the controls that show them.
inline constexpr std::array<std::string_view, displayCount> displayNames{"text1", "text2"};

/// What a tick drew from the random source: a number, or none when the tick drew none.
using Draw = std::optional<float>;

/// The race's state as one JSON object on one line: the distance counter, energy (null
/// before the first START), the clock, the colour, each box's exact [left, top] and the
/// displays' texts, and with `draw` the tick's random number as "r".
std::string stateJson(const ViewState& view, const Race& race,
                      const std::optional<Draw>& draw = std::nullopt);

}  // namespace vortalin::game
