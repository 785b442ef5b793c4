#pragma once

#include <array>
#include <memory>

#include <QWidget>

#include "core/race.h"
#include "core/random_source.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace vortalin::bench {

/// The yardstick for the game's window: the same controls at the same places, with the same
/// colours, fonts and pictures, done the plain Qt way. The course and the three cars are
/// labels moved in a sunken frame, the displays are line edits whose text is set whenever
/// it changes, and a precise 10 ms timer runs the same race rules, so every tick changes
/// the same pixels as the game's.
class ReferenceWindow final : public QWidget {
 public:
  ReferenceWindow();
  ~ReferenceWindow() override;

  QTimer* clock() const { return clock_; }
  QPushButton* startButton() const { return start_; }

 private:
  class PlainView;

  void build();
  QWidget* makeControl(QWidget& parent, int row);

  std::array<QLabel*, boxCount> boxes_{};
  QLineEdit* energy_ = nullptr;
  QLineEdit* distance_ = nullptr;
  QPushButton* start_ = nullptr;
  QTimer* clock_ = nullptr;
  std::unique_ptr<PlainView> view_;
  ClassicRandom random_;
  std::unique_ptr<Race> race_;
};

}  // namespace vortalin::bench
