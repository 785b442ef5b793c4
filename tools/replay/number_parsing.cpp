#include "number_parsing.h"

#include <cctype>
#include <charconv>
#include <system_error>

namespace vortalin::replay {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view word, std::size_t at) {
  while (at < word.size() && isDigit(word[at])) ++at;
  return at;
}

/// Where the digits of a well-formed number are, so that an out-of-range result can be
/// told apart: underflow (round to zero) from overflow (not finite).
struct NumberShape {
  bool negative = false;
  std::size_t bodyStart = 0;
  bool valid = false;
  bool allDigitsZero = true;
  // Decimal exponent of the first non-zero digit, saturated far beyond a single's range.
  long magnitude = 0;
};

NumberShape shapeOf(std::string_view word) {
  NumberShape shape;
  std::size_t at = 0;
  if (at < word.size() && (word[at] == '+' || word[at] == '-')) {
    shape.negative = word[at] == '-';
    ++at;
  }
  shape.bodyStart = at;
  const std::size_t intStart = at;
  at = skipDigits(word, at);
  const std::size_t intEnd = at;
  if (intEnd == intStart) return shape;
  std::size_t fracStart = at, fracEnd = at;
  if (at < word.size() && word[at] == '.') {
    fracStart = at + 1;
    at = fracEnd = skipDigits(word, fracStart);
  }
  long exponent = 0;
  if (at < word.size() && (word[at] == 'e' || word[at] == 'E')) {
    ++at;
    bool negativeExponent = false;
    if (at < word.size() && (word[at] == '+' || word[at] == '-'))
      negativeExponent = word[at++] == '-';
    const std::size_t expStart = at;
    for (; at < word.size() && isDigit(word[at]); ++at) {
      if (exponent < 100000) exponent = exponent * 10 + (word[at] - '0');
    }
    if (at == expStart) return shape;
    if (negativeExponent) exponent = -exponent;
  }
  if (at != word.size()) return shape;
  shape.valid = true;

  // Digit k of the integer digits followed by the fraction digits stands for
  // 10^(integerDigits - 1 - k + exponent).
  const std::string_view digits[] = {word.substr(intStart, intEnd - intStart),
                                     word.substr(fracStart, fracEnd - fracStart)};
  long k = 0;
  for (std::string_view part : digits) {
    for (char c : part) {
      if (c != '0' && shape.allDigitsZero) {
        shape.allDigitsZero = false;
        shape.magnitude = static_cast<long>(intEnd - intStart) - 1 - k + exponent;
      }
      ++k;
    }
  }
  return shape;
}

}  // namespace

std::optional<std::int64_t> parseCount(std::string_view word, std::int64_t low, std::int64_t high) {
  if (word.empty() || word.size() > 18) return std::nullopt;
  std::int64_t value = 0;
  for (char c : word) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

ParsedSingle parseSingle(std::string_view word) {
  const NumberShape shape = shapeOf(word);
  if (!shape.valid) return {0, NumberFault::NotANumber};
  const float signedZero = shape.negative ? -0.0f : 0.0f;
  if (shape.allDigitsZero) return {signedZero, NumberFault::None};

  // from_chars takes no leading '+', so parse the unsigned body and apply the sign.
  const char* first = word.data() + shape.bodyStart;
  const char* last = word.data() + word.size();
  float value = 0;
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    if (shape.magnitude < 0) return {signedZero, NumberFault::None};
    return {0, NumberFault::NotFinite};
  }
  if (result.ec != std::errc{} || result.ptr != last) return {0, NumberFault::NotANumber};
  return {shape.negative ? -value : value, NumberFault::None};
}

}  // namespace vortalin::replay
