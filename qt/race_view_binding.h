#pragma once

#include <array>

#include "race_state.h"
#include "race_view.h"

class QLineEdit;
class QTimer;
class QWidget;

namespace vortalin::qt {

/// The race view on the real controls. Each box keeps its exact position in twips, so a read
/// returns what was written, and its widget sits at the nearest whole pixel. Only what
/// changes is touched: a tick that moves a box by less than a pixel repaints nothing.
class RaceViewBinding final : public RaceView {
 public:
  struct Controls {
    std::array<QWidget*, boxCount> boxes{};  // in the order of `Box`
    QTimer* clock = nullptr;
    QWidget* window = nullptr;
    QLineEdit* energy = nullptr;
    QLineEdit* distance = nullptr;
  };

  RaceViewBinding(const Controls& controls, const ViewState& design);

  float left(Box box) const override { return positions_[index(box)].left; }
  float top(Box box) const override { return positions_[index(box)].top; }
  void setLeft(Box box, float left) override;
  void setTop(Box box, float top) override;
  void move(Box box, float left, float top) override;

  bool clockEnabled() const override;
  void setClockEnabled(bool enabled) override;
  Colour backgroundColour() const override { return background_; }
  void setBackgroundColour(Colour colour) override;
  void setEnergyText(std::string_view text) override;
  void setDistanceText(std::string_view text) override;

 private:
  static int index(Box box) { return static_cast<int>(box); }
  void place(Box box);

  Controls controls_;
  std::array<BoxPosition, boxCount> positions_;
  Colour background_;
};

}  // namespace vortalin::qt
