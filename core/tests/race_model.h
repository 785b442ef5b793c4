#pragma once

#include <utility>

#include "core/race_view.h"
#include "core/view_state.h"

namespace vortalin {

/// A race view held in memory, for running races without a window.
class RaceModel final : public RaceView {
 public:
  explicit RaceModel(ViewState initial) : state_(std::move(initial)) {}

  const ViewState& state() const { return state_; }

  float left(Box box) const override { return state_[box].left; }
  float top(Box box) const override { return state_[box].top; }
  void setLeft(Box box, float left) override { state_[box].left = left; }
  void setTop(Box box, float top) override { state_[box].top = top; }
  void move(Box box, float left, float top) override { state_[box] = {left, top}; }

  bool clockEnabled() const override { return state_.clockEnabled; }
  void setClockEnabled(bool enabled) override { state_.clockEnabled = enabled; }
  Colour backgroundColour() const override { return state_.backgroundColour; }
  void setBackgroundColour(Colour colour) override { state_.backgroundColour = colour; }
  void setEnergyText(std::string_view text) override { state_.energyText.assign(text); }
  void setDistanceText(std::string_view text) override { state_.distanceText.assign(text); }

 private:
  ViewState state_;
};

}  // namespace vortalin
