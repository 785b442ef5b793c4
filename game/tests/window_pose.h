#pragma once

#include <optional>
#include <string_view>

#include "core/race_rules.h"
#include "game/controller.h"

namespace vortalin::game::test {

/// The states in which the windows' pictures are compared: the window as it opens, and the
/// first tick that paints it red after START and then the left arrow (the player's car over
/// rival car 1). The page's picture script takes the same steps.
enum class Pose { Opening, RedTick };

inline std::optional<Pose> poseNamed(std::string_view name) {
  if (name == "opening") return Pose::Opening;
  if (name == "red") return Pose::RedTick;
  return std::nullopt;
}

/// Takes the game to a pose, one clock period at a time; returns the control that then has
/// the focus (the last one clicked), or an empty name if the red tick never came.
inline std::string_view reachPose(Controller& game, Pose pose) {
  if (pose == Pose::Opening) return "Command1";
  game.click("Command1");
  game.click("Command2");
  for (int period = 0; period < rules::ticksPerCourse; ++period) {
    game.clockPeriod();
    if (game.view().backgroundColour() == rules::hitColour) return "Command2";
  }
  return {};
}

}  // namespace vortalin::game::test
