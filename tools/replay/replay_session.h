#pragma once

#include <array>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

#include "game/controller.h"
#include "script.h"

namespace vortalin::replay {

/// Plays script commands against the game on a front-end that draws nothing, opening at
/// the window's design state, and prints a JSON line for every tick that runs. Its time
/// moves only from one wake-up the game asked for to the next, so each runs one period.
class ReplaySession {
 public:
  explicit ReplaySession(std::ostream& out);

  void execute(const Command& command);
  const game::ShownRaceView& view() const { return game_.view(); }
  const Race& race() const { return game_.race(); }

 private:
  /// Keeps the displays' texts, so that they read back as a window's would, the time and the
  /// wake-up the game asked for, and nothing else.
  class HeadlessFrontEnd final : public game::FrontEnd {
   public:
    HeadlessFrontEnd();
    void moveBox(Box, game::PixelPoint) override {}
    game::Time now() const override { return now_; }
    void wakeAt(game::Time deadline) override { wakeAt_ = deadline; }
    void stopWaking() override { wakeAt_.reset(); }
    void setWindowColour(Colour) override {}
    std::string displayText(game::Display display) const override {
      return texts_[game::displayIndex(display)];
    }
    void setDisplayText(game::Display display, std::string_view text) override {
      texts_[game::displayIndex(display)].assign(text);
    }
    void showNotice(std::string_view) override {}

    /// Moves the time on to the wake-up asked for; false when none is.
    bool advanceToWakeUp();

   private:
    std::array<std::string, game::displayCount> texts_;
    game::Time now_{};
    std::optional<game::Time> wakeAt_;
  };

  /// The random source the race draws from, remembering the number a tick drew.
  class RecordingRandom final : public RandomSource {
   public:
    float next() override { return *(drawn_ = source_.next()); }
    /// The number drawn since the last call, if any.
    std::optional<float> takeDrawn() { return std::exchange(drawn_, std::nullopt); }

   private:
    ClassicRandom source_;
    std::optional<float> drawn_;
  };

  /// One period of the game clock, when the clock runs: the time moves to the wake-up.
  void period();
  void tickPeriods(std::int64_t count);
  void runUntilStopped();

  std::ostream& out_;
  HeadlessFrontEnd frontEnd_;
  RecordingRandom* random_;  // owned by `game_`
  game::Controller game_;
};

}  // namespace vortalin::replay
