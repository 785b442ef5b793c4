#pragma once

#include <memory>

#include <QWidget>

#include "control_builder.h"
#include "race.h"
#include "random_source.h"
#include "race_view_binding.h"

class QMessageBox;
class QTimer;

namespace vortalin::qt {

/// The game's one window, `Form1`, built from the control table. Its four buttons and its
/// clock call the race; nothing else of the window is handled.
class MainWindow final : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  const FormControls& controls() const { return controls_; }
  RaceView& raceView() { return *binding_; }
  const Race& race() const { return *race_; }

  /// Object name of the message that tells the player the distance counter is full.
  static constexpr const char* counterFullMessageName = "counterFullMessage";

 private:
  void connectHandlers();
  void onClockTick();
  void reportCounterFull();

  FormControls controls_;
  std::unique_ptr<RaceViewBinding> binding_;
  ClassicRandom random_;
  std::unique_ptr<Race> race_;
  QMessageBox* counterFullMessage_ = nullptr;
};

}  // namespace vortalin::qt
