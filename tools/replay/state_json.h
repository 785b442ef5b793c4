#pragma once

#include <optional>
#include <ostream>

#include "core/race.h"
#include "core/view_state.h"

namespace vortalin::replay {

/// Writes the view and the race variables as one JSON object on one line. `draw` is the
/// tick's random number: absent for `show`, null for a tick that drew none.
void writeStateJson(std::ostream& out, const ViewState& view, const Race& race,
                    const std::optional<std::optional<float>>& draw);

}  // namespace vortalin::replay
