#pragma once

#include <cstdint>

namespace vortalin {

/// A uniform source of singles in [0, 1). The race draws exactly one number per tick.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float next() = 0;
};

/// The classic 24-bit linear congruential generator. It is never seeded, so every launch
/// plays the same sequence of rival wobbles.
class ClassicRandom final : public RandomSource {
 public:
  float next() override;

 private:
  std::uint32_t state_ = 0x50000;
};

}  // namespace vortalin
