#pragma once

#include <memory>

#include <QWidget>

#include "control_builder.h"
#include "game/controller.h"
#include "window_front_end.h"

namespace vortalin::qt {

namespace test {
struct WindowAccess;
}

/// The game's one window, `Form1`, built from the control table. Clicks on its buttons and
/// the periods of its clock go to the game; nothing else of the window is handled.
class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  const FormControls& controls() const { return controls_; }
  /// What the race sees of the window.
  const game::ShownRaceView& raceView() const { return game_->view(); }
  const Race& race() const { return game_->race(); }

  /// One period of the game clock, as the clock runs one for each period that falls due.
  void clockPeriod() { game_->clockPeriod(); }

  /// Object name of the message that tells the player something, such as a full counter.
  static constexpr const char* noticeName = WindowFrontEnd::noticeName;

 private:
  friend struct test::WindowAccess;  // places boxes and colours the window as a tick would

  void connectHandlers();
  void runDuePeriods();

  FormControls controls_;
  WindowFrontEnd frontEnd_;
  std::unique_ptr<game::Controller> game_;
};

}  // namespace vortalin::qt
