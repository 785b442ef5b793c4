#include <gtest/gtest.h>

#include "core/random_source.h"

namespace vortalin {
namespace {

// Guards the unseeded sequence every launch of the game replays.
TEST(ClassicRandom, FirstDrawsAreTheClassicSequence) {
  ClassicRandom random;
  const float expected[] = {0.7055475f, 0.533424f, 0.5795186f, 0.28956246f, 0.301948f};
  for (float value : expected) EXPECT_EQ(random.next(), value);
}

// A draw of 1.0 would let rival car 0 step a full +50 twips.
TEST(ClassicRandom, DrawsStayInsideTheUnitInterval) {
  ClassicRandom random;
  for (int i = 0; i < (1 << 24) + 5; ++i) {
    const float value = random.next();
    ASSERT_GE(value, 0.0f);
    ASSERT_LT(value, 1.0f);
  }
}

// Two sources must not share state: the window and the replay each own one.
TEST(ClassicRandom, SeparateSourcesRepeatTheSameSequence) {
  ClassicRandom a;
  ClassicRandom b;
  a.next();
  ClassicRandom fresh;
  EXPECT_EQ(b.next(), fresh.next());
}

}  // namespace
}  // namespace vortalin
