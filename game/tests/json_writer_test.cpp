#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "game/json_writer.h"

namespace vortalin::game {
namespace {

// The page's standard library has no std::to_chars for floats, so the writer does its own
// shortest form; it must be the one std::to_chars writes, to the letter.
TEST(JsonWriter, WritesASingleAsStdToCharsDoes) {
  std::uint32_t bits = 0x3F800000;
  for (int i = 0; i < 20000; ++i) {
    bits = bits * 1664525u + 1013904223u;
    float value = std::bit_cast<float>(bits);
    if (!std::isfinite(value)) continue;
    char expected[32];
    const auto end = std::to_chars(expected, expected + sizeof expected, value).ptr;
    JsonWriter json;
    json.value(value);
    ASSERT_EQ(json.text(), std::string(expected, end)) << "bits " << bits;
  }
  for (const float value : {0.0f, -0.0f, 1e-4f, 1.2e-4f, 1.2e5f, -38000.0f, 3e38f, 1e-45f}) {
    char expected[32];
    const auto end = std::to_chars(expected, expected + sizeof expected, value).ptr;
    JsonWriter json;
    json.value(value);
    EXPECT_EQ(json.text(), std::string(expected, end));
  }
}

}  // namespace
}  // namespace vortalin::game
