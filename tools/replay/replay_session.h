#pragma once

#include <array>
#include <ostream>
#include <string>

#include "game/controller.h"
#include "script.h"

namespace vortalin::replay {

/// Plays script commands against the game on a front-end that draws nothing, opening at
/// the window's design state, and prints a JSON line for every tick that runs.
class ReplaySession {
 public:
  explicit ReplaySession(std::ostream& out);

  void execute(const Command& command);
  const game::ShownRaceView& view() const { return game_.view(); }
  const Race& race() const { return game_.race(); }

 private:
  /// Keeps the displays' texts, so that they read back as a window's would, and nothing else.
  class HeadlessFrontEnd final : public game::FrontEnd {
   public:
    HeadlessFrontEnd();
    void moveBox(Box, game::PixelPoint) override {}
    void setClockRunning(bool) override {}
    void setWindowColour(Colour) override {}
    std::string displayText(game::Display display) const override {
      return texts_[static_cast<int>(display)];
    }
    void setDisplayText(game::Display display, std::string_view text) override {
      texts_[static_cast<int>(display)].assign(text);
    }
    void showNotice(std::string_view) override {}

   private:
    std::array<std::string, 2> texts_;
  };

  /// One period of the game clock: a tick if and only if the clock is on.
  void period();
  void tickPeriods(std::int64_t count);
  void runUntilStopped();

  std::ostream& out_;
  HeadlessFrontEnd frontEnd_;
  game::Controller game_;
};

}  // namespace vortalin::replay
