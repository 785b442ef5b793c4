#pragma once

namespace vortalin::game {

/// When the game clock's periods fall due, on an absolute schedule: a late wake-up is made
/// good by the periods it missed, so a course keeps its length, while after a stall (the
/// machine asleep, the program stopped in a debugger) the schedule starts afresh instead of
/// running a burst of periods.
/// Times are in any one unit (a performance counter's, nanoseconds, milliseconds).
class ClockSchedule {
 public:
  /// Periods that one wake-up may make good; a longer gap is a stall.
  static constexpr int maximumCatchUp = 25;

  explicit ClockSchedule(long long period) : period_(period) {}

  void start(long long now) { nextDue_ = now + period_; }
  /// The periods that have fallen due by `now` since the last call.
  int takeDue(long long now) {
    if (now < nextDue_) return 0;
    const long long due = (now - nextDue_) / period_ + 1;
    if (due > maximumCatchUp) {
      nextDue_ = now + period_;
      return 1;
    }
    nextDue_ += due * period_;
    return static_cast<int>(due);
  }
  /// Every period that has fallen due by `now`, however many: for a clock that is woken
  /// seldom on purpose (a page in a hidden tab), where a long gap is no stall.
  int takeAllDue(long long now) {
    if (now < nextDue_) return 0;
    const long long due = (now - nextDue_) / period_ + 1;
    nextDue_ += due * period_;
    return static_cast<int>(due);
  }
  long long nextDue() const { return nextDue_; }

 private:
  long long period_;
  long long nextDue_ = 0;
};

}  // namespace vortalin::game
