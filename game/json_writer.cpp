#include "json_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vortalin::game {

namespace {

// The shortest decimal that reads back as the same single, written as std::to_chars writes it
// (which the page's standard library lacks): plain or with an exponent, whichever is shorter,
// plain on a tie.
std::string shortestSingle(float value) {
  char scientific[32];
  for (int digits = 1; digits <= 9; ++digits) {
    std::snprintf(scientific, sizeof scientific, "%.*e", digits - 1, double{value});
    if (std::strtof(scientific, nullptr) == value) break;
  }
  const std::string text = scientific;
  const std::size_t e = text.find('e');
  const bool negative = text[0] == '-';
  std::string mantissa;
  for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
    if (text[i] != '.') mantissa += text[i];
  }
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::string plain;
  if (exponent < 0) {
    plain = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + mantissa;
  } else if (static_cast<std::size_t>(exponent) + 1 >= mantissa.size()) {
    // A whole number: its digits in full, which are as many and nearest the value.
    char whole[64];
    std::snprintf(whole, sizeof whole, "%.0f", std::fabs(double{value}));
    plain = whole;
  } else {
    plain = mantissa.substr(0, exponent + 1) + '.' + mantissa.substr(exponent + 1);
  }
  if (negative) plain.insert(0, 1, '-');
  return plain.size() <= text.size() ? plain : text;
}

}  // namespace

void JsonWriter::separate() {
  if (!first_) text_ += ',';
  first_ = false;
}

JsonWriter& JsonWriter::open(char bracket) {
  separate();
  text_ += bracket;
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::close(char bracket) {
  text_ += bracket;
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::key(std::string_view name) {
  value(name);
  text_ += ':';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::value(std::string_view text) {
  separate();
  text_ += '"';
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      text_ += '\\';
      text_ += c;
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      text_ += escaped;
    } else {
      text_ += c;
    }
  }
  text_ += '"';
  return *this;
}

JsonWriter& JsonWriter::value(double number) {
  separate();
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.9g", number);
  text_ += buffer;
  return *this;
}

JsonWriter& JsonWriter::value(float number) {
  separate();
  text_ += shortestSingle(number);
  return *this;
}

JsonWriter& JsonWriter::value(long long number) {
  separate();
  text_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::value(bool flag) {
  separate();
  text_ += flag ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::null() {
  separate();
  text_ += "null";
  return *this;
}

}  // namespace vortalin::game
