#pragma once

namespace vortalin::win32 {

/// When the game clock's periods fall due, on an absolute schedule: a late wake-up is made
/// good by the periods it missed, so a course keeps its length, while after a stall (the
/// machine asleep, the program stopped in a debugger) the schedule starts afresh instead of
/// running a burst of periods.
/// Times are in any one unit (the performance counter's).
class ClockSchedule {
 public:
  ClockSchedule(long long period, int maximumCatchUp)
      : period_(period), maximumCatchUp_(maximumCatchUp) {}

  void start(long long now) { nextDue_ = now + period_; }
  /// The periods that have fallen due by `now` since the last call.
  int takeDue(long long now) {
    if (now < nextDue_) return 0;
    const long long due = (now - nextDue_) / period_ + 1;
    if (due > maximumCatchUp_) {
      nextDue_ = now + period_;
      return 1;
    }
    nextDue_ += due * period_;
    return static_cast<int>(due);
  }
  long long nextDue() const { return nextDue_; }

 private:
  long long period_;
  int maximumCatchUp_;
  long long nextDue_ = 0;
};

}  // namespace vortalin::win32
