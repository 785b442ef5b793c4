#pragma once

#include <array>
#include <string>

#include "core/race_view.h"
#include "core/view_state.h"
#include "form/twips.h"
#include "front_end.h"

namespace vortalin::game {

/// The race view on a front-end. It keeps each box's exact position in twips, so a read
/// returns what was written, and tells the front-end only what the player would see change:
/// a box's whole-pixel place, the colour, a display's text. What a tick writes is shown once,
/// when the tick ends, with the tick's final values; anything else at once. The clock's flag
/// is the controller's to follow.
class ShownRaceView final : public RaceView {
 public:
  ShownRaceView(FrontEnd& frontEnd, const ViewState& design,
                int dotsPerInch = form::designDotsPerInch);

  float left(Box box) const override { return positions_[index(box)].left; }
  float top(Box box) const override { return positions_[index(box)].top; }
  void setLeft(Box box, float left) override;
  void setTop(Box box, float top) override;
  void move(Box box, float left, float top) override;

  bool clockEnabled() const override { return clockEnabled_; }
  void setClockEnabled(bool enabled) override { clockEnabled_ = enabled; }
  Colour backgroundColour() const override { return colour_.value; }
  void setBackgroundColour(Colour colour) override;
  void setEnergyText(std::string_view text) override { setText(Display::Energy, text); }
  void setDistanceText(std::string_view text) override { setText(Display::Distance, text); }

  /// Holds back what the view shows until `endTick`.
  void beginTick() { inTick_ = true; }
  void endTick();

  /// Places every box anew for another pixel density (a window moved to another screen).
  void setDotsPerInch(int dotsPerInch);
  /// Where a box is shown, in whole pixels of the current density.
  PixelPoint shownPlace(Box box) const { return shownPlaces_[index(box)]; }
  /// Everything the view holds now, the displays' texts as the front-end shows them.
  ViewState state() const;

 private:
  template <class T>
  struct Shown {
    T value;
    T shown;
  };
  struct PendingText {
    std::string text;
    bool written = false;
  };

  static int index(Box box) { return static_cast<int>(box); }
  void setText(Display display, std::string_view text);
  void showIfOutsideTick();
  void showBox(Box box);
  void showText(Display display);

  FrontEnd& frontEnd_;
  std::array<BoxPosition, boxCount> positions_;
  std::array<PixelPoint, boxCount> shownPlaces_{};
  bool clockEnabled_;
  Shown<Colour> colour_;
  std::array<PendingText, displayCount> texts_;
  int dotsPerInch_;
  bool inTick_ = false;
};

}  // namespace vortalin::game
