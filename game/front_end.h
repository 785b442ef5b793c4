#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "core/colour.h"
#include "core/race_view.h"

namespace vortalin::game {

/// A point in whole pixels, in the inside of the container of a box.
struct PixelPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

/// The two displays: `Text1` shows energy, `Text2` distance. Numbered in this order.
enum class Display { Energy, Distance };
inline constexpr int displayCount = 2;
constexpr int displayIndex(Display display) { return static_cast<int>(display); }

/// A point on a monotonic time line, from any fixed origin.
using Time = std::chrono::nanoseconds;
/// A monotonic time source.
using Now = Time (*)();
/// The standard library's steady clock, monotonic on every platform the game runs on.
Time steadyNow();

/// What a front-end does for the game, and nothing more: it shows what the player can see
/// change, which the game tells it only when it really changes, and it gives the game's
/// clock a time and a wake-up. Texts are UTF-8.
class FrontEnd {
 public:
  virtual ~FrontEnd() = default;

  virtual void moveBox(Box box, PixelPoint topLeft) = 0;
  /// The time now, on the line the deadlines of `wakeAt` are on.
  virtual Time now() const = 0;
  /// Asks to be woken once, at `deadline` or soon after, by a call to Controller::woke from
  /// the window's thread; it replaces any earlier request.
  virtual void wakeAt(Time deadline) = 0;
  /// Cancels the wake-up: the clock is off.
  virtual void stopWaking() = 0;
  virtual void setWindowColour(Colour colour) = 0;
  /// The text a display shows now; the player may have typed into it.
  virtual std::string displayText(Display display) const = 0;
  virtual void setDisplayText(Display display, std::string_view text) = 0;
  /// Tells the player something in a notice that is modal to the window: the window takes
  /// no input until the player closes it. One notice at a time; the race is stopped first.
  virtual void showNotice(std::string_view message) = 0;
};

}  // namespace vortalin::game
