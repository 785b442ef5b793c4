#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vortalin::replay {

/// A whole number in plain decimal digits, if it lies in [low, high].
std::optional<std::int64_t> parseCount(std::string_view word, std::int64_t low, std::int64_t high);

enum class NumberFault { None, NotANumber, NotFinite };

struct ParsedSingle {
  float value = 0;
  NumberFault fault = NumberFault::None;
};

/// A plain decimal number (optional sign, digits, optional fraction and exponent) rounded
/// to the nearest single. Magnitudes too small for a single round to zero; too large is
/// a fault.
ParsedSingle parseSingle(std::string_view word);

}  // namespace vortalin::replay
