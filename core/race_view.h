#pragma once

#include <string_view>

#include "colour.h"

namespace vortalin {

/// The four picture boxes of a race. They share one container, so their positions compare.
enum class Box { Strip, Player, Rival0, Rival1 };

inline constexpr int boxCount = 4;

/// The window properties a race reads and writes, and nothing else. Positions are twips,
/// held as singles; a read returns exactly what the window holds at that moment.
class RaceView {
 public:
  virtual ~RaceView() = default;

  virtual float left(Box box) const = 0;
  virtual float top(Box box) const = 0;
  virtual void setLeft(Box box, float left) = 0;
  virtual void setTop(Box box, float top) = 0;
  /// Sets both coordinates in one step, keeping the box's size.
  virtual void move(Box box, float left, float top) = 0;

  virtual bool clockEnabled() const = 0;
  virtual void setClockEnabled(bool enabled) = 0;
  virtual Colour backgroundColour() const = 0;
  virtual void setBackgroundColour(Colour colour) = 0;
  virtual void setEnergyText(std::string_view text) = 0;
  virtual void setDistanceText(std::string_view text) = 0;
};

}  // namespace vortalin
