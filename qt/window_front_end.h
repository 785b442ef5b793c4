#pragma once

#include <array>

#include "game/front_end.h"

class QMessageBox;
class QTimer;
class QWidget;

namespace vortalin::qt {

class CourseView;
class DigitsDisplay;
class PictureBox;

/// The game's seam on the Qt widgets of the window.
class WindowFrontEnd final : public game::FrontEnd {
 public:
  struct Controls {
    std::array<PictureBox*, boxCount> boxes{};  // in the order of `Box`
    CourseView* course = nullptr;               // draws the boxes
    QTimer* clock = nullptr;
    QWidget* window = nullptr;
    DigitsDisplay* energy = nullptr;
    DigitsDisplay* distance = nullptr;
  };

  /// `now` is the time the game clock keeps; the clock's timer wakes the game.
  WindowFrontEnd(const Controls& controls, game::Now now);

  void moveBox(Box box, game::PixelPoint topLeft) override;
  game::Time now() const override { return now_(); }
  void wakeAt(game::Time deadline) override;
  void stopWaking() override;
  void setWindowColour(Colour colour) override;
  std::string displayText(game::Display display) const override;
  void setDisplayText(game::Display display, std::string_view text) override;
  void showNotice(std::string_view message) override;

 private:
  DigitsDisplay& display(game::Display display) const;

  Controls controls_;
  game::Now now_;
  QMessageBox* notice_ = nullptr;
};

}  // namespace vortalin::qt
