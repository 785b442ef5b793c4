#include "random_source.h"

namespace vortalin {

namespace {
constexpr std::uint32_t multiplier = 0x43FD43FD;
constexpr std::uint32_t increment = 0xC39EC3;
constexpr std::uint32_t modulusMask = 0xFFFFFF;
constexpr float modulus = 16777216.0f;
}  // namespace

float ClassicRandom::next() {
  // Unsigned arithmetic wraps modulo 2^32, which keeps the low 24 bits exact.
  state_ = (state_ * multiplier + increment) & modulusMask;
  return static_cast<float>(state_) / modulus;
}

}  // namespace vortalin
