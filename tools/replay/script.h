#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/race_view.h"

namespace vortalin::replay {

enum class Action { Start, Left, Right, Stop, Tick, Run, Place, Show };

/// One line of a replay script that does something.
struct Command {
  Action action = Action::Show;
  int line = 0;
  std::int64_t periods = 1;  // tick
  Box box = Box::Strip;      // place
  float left = 0;            // place
  float top = 0;             // place
};

/// Why a script was refused: the 1-based line, its text, and what was wrong with it.
struct ScriptError {
  int line = 0;
  std::string text;
  std::string message;
};

using ParseResult = std::variant<std::vector<Command>, ScriptError>;

inline constexpr std::int64_t maxTickPeriods = 10'000'000;

/// Reads a whole script. Either every line is valid or nothing is returned but the first
/// fault, so a script never runs halfway.
ParseResult parseScript(std::string_view script);

/// A line of a script made safe to print: control and non-ASCII bytes escaped, long
/// lines shortened.
std::string printableLine(std::string_view text);

}  // namespace vortalin::replay
