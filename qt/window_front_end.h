#pragma once

#include <array>

#include <QElapsedTimer>

#include "game/clock_schedule.h"
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

  /// Object name of the message that tells the player something.
  static constexpr const char* noticeName = "notice";

  explicit WindowFrontEnd(const Controls& controls);

  void moveBox(Box box, game::PixelPoint topLeft) override;
  void setClockRunning(bool running) override;
  void setWindowColour(Colour colour) override;
  std::string displayText(game::Display display) const override;
  void setDisplayText(game::Display display, std::string_view text) override;
  void showNotice(std::string_view message) override;

  /// The clock's periods that have fallen due since the last call, on an absolute schedule
  /// from the moment it was started: a late wake-up of its timer loses none. 0 while it is off.
  int takeDuePeriods();
  bool clockRunning() const;

 private:
  DigitsDisplay& display(game::Display display) const;

  Controls controls_;
  QElapsedTimer sinceCreation_;
  game::ClockSchedule schedule_;  // in nanoseconds of `sinceCreation_`
  QMessageBox* notice_ = nullptr;
};

}  // namespace vortalin::qt
