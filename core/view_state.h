#pragma once

#include <array>
#include <string>

#include "race_view.h"

namespace vortalin {

struct BoxPosition {
  float left = 0;
  float top = 0;
  friend bool operator==(const BoxPosition&, const BoxPosition&) = default;
};

/// Everything a race view holds, as plain values: a snapshot to start a model from and
/// to compare two views with.
struct ViewState {
  std::array<BoxPosition, boxCount> boxes{};
  bool clockEnabled = false;
  Colour backgroundColour = 0;
  std::string energyText;
  std::string distanceText;

  BoxPosition& operator[](Box box) { return boxes[static_cast<int>(box)]; }
  const BoxPosition& operator[](Box box) const { return boxes[static_cast<int>(box)]; }
  friend bool operator==(const ViewState&, const ViewState&) = default;
};

}  // namespace vortalin
