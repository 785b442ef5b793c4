#include "state_json.h"

#include <charconv>
#include <string_view>

namespace vortalin::replay {

namespace {

/// The shortest decimal that reads back as the same single.
void writeSingle(std::ostream& out, float value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.write(buffer, result.ptr - buffer);
}

void writePosition(std::ostream& out, std::string_view key, BoxPosition position) {
  out << ",\"" << key << "\":[";
  writeSingle(out, position.left);
  out << ',';
  writeSingle(out, position.top);
  out << ']';
}

void writeString(std::ostream& out, std::string_view key, std::string_view text) {
  out << ",\"" << key << "\":\"";
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out << '\\' << c;
    } else if (byte < 0x20) {
      constexpr char hex[] = "0123456789abcdef";
      out << "\\u00" << hex[byte >> 4] << hex[byte & 0xF];
    } else {
      out << c;
    }
  }
  out << '"';
}

}  // namespace

void writeStateJson(std::ostream& out, const ViewState& view, const Race& race,
                    const std::optional<std::optional<float>>& draw) {
  out << "{\"distance\":" << race.distance() << ",\"energy\":";
  if (race.energy()) {
    out << *race.energy();
  } else {
    out << "null";
  }
  out << ",\"clock\":" << (view.clockEnabled ? "true" : "false");
  out << ",\"colour\":" << view.backgroundColour;
  writePosition(out, "strip", view[Box::Strip]);
  writePosition(out, "player", view[Box::Player]);
  writePosition(out, "rival0", view[Box::Rival0]);
  writePosition(out, "rival1", view[Box::Rival1]);
  writeString(out, "text1", view.energyText);
  writeString(out, "text2", view.distanceText);
  if (draw) {
    out << ",\"r\":";
    if (*draw) {
      writeSingle(out, **draw);
    } else {
      out << "null";
    }
  }
  out << "}\n";
}

}  // namespace vortalin::replay
