#pragma once

#include <array>
#include <string>

#include "game/front_end.h"

namespace vortalin::web {

/// What the page must show anew since it last looked, one bit each.
enum Change : unsigned {
  BoxesMoved = 1u << 0,
  ColourChanged = 1u << 2,
  EnergyText = 1u << 3,
  DistanceText = 1u << 4,
  NoticeShown = 1u << 5,
};

/// The game's seam on the page: it keeps what the page shows, and the page reads it back
/// once per frame, drawing only what changed. Its time is the one the page gave last; while
/// the clock runs the page wakes the game on every animation frame, or by a timer in a
/// hidden tab.
class WebFrontEnd final : public game::FrontEnd {
 public:
  void moveBox(Box box, game::PixelPoint topLeft) override;
  game::Time now() const override { return now_; }
  void wakeAt(game::Time) override { clockRunning_ = true; }
  void stopWaking() override { clockRunning_ = false; }
  void setWindowColour(Colour colour) override;
  std::string displayText(game::Display display) const override;
  void setDisplayText(game::Display display, std::string_view text) override;
  void showNotice(std::string_view message) override;

  void setNow(game::Time now) { now_ = now; }
  /// The player typed into a display: the text it holds now.
  void typed(game::Display display, std::string_view text);
  /// The changes since the last call, and forgets them.
  unsigned takeChanges();

  game::PixelPoint boxPlace(Box box) const { return places_[static_cast<int>(box)]; }
  bool clockRunning() const { return clockRunning_; }
  Colour windowColour() const { return colour_; }
  const std::string& notice() const { return notice_; }

 private:
  std::array<game::PixelPoint, boxCount> places_{};
  std::array<std::string, game::displayCount> texts_;
  std::string notice_;
  Colour colour_ = 0;
  game::Time now_{};
  bool clockRunning_ = false;
  unsigned changes_ = 0;
};

}  // namespace vortalin::web
