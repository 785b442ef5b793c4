#pragma once

#include <windows.h>

#include "game/clock_schedule.h"
#include "handles.h"

namespace vortalin::win32 {

/// The game clock: a waitable timer that the message loop waits for, so that every period
/// runs on the window's thread, armed for each period's due time on an absolute schedule. It
/// uses a high-resolution timer where Windows offers one (10, version 1803 and later), else
/// an ordinary one with the system timer at 1 ms while the clock runs.
class GameClock {
 public:
  enum class Timer { HighResolutionIfOffered, Ordinary };

  explicit GameClock(int periodMs, Timer timer = Timer::HighResolutionIfOffered);
  ~GameClock();
  GameClock(const GameClock&) = delete;
  GameClock& operator=(const GameClock&) = delete;

  void start();
  void stop();
  bool running() const { return running_; }
  bool highResolution() const { return highResolution_; }
  /// Signalled when a period may be due.
  HANDLE waitHandle() const { return timer_.get(); }
  /// The periods that have come due since the last call; arms the timer for the next.
  int takeDuePeriods();

 private:
  void arm(LONGLONG now);
  static LONGLONG counterNow();

  LONGLONG counterFrequency_;
  game::ClockSchedule schedule_;  // in performance counter units
  KernelHandle timer_;
  bool highResolution_ = false;
  bool running_ = false;
};

}  // namespace vortalin::win32
