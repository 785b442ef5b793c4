#pragma once

#include <memory>

#include <QWidget>

#include "control_builder.h"
#include "game/controller.h"
#include "window_front_end.h"

namespace vortalin::qt {

/// The game's one window, `Form1`, built from the control table. Clicks on its buttons and
/// the wake-ups of its clock go to the game; nothing else of the window is handled.
class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  /// `now` is the time the game clock keeps.
  explicit MainWindow(game::Now now = game::steadyNow, QWidget* parent = nullptr);
  ~MainWindow() override;

  const FormControls& controls() const { return controls_; }
  /// The game the window shows.
  game::Controller& controller() { return *game_; }
  const game::Controller& controller() const { return *game_; }

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectHandlers();
  /// Runs the race view at the screen's density, so that the boxes land on its device pixels.
  void followDensity();

  FormControls controls_;
  WindowFrontEnd frontEnd_;
  std::unique_ptr<game::Controller> game_;
};

}  // namespace vortalin::qt
