#pragma once

#include <windows.h>

#include "handles.h"

namespace vortalin::win32 {

/// The game clock: a waitable timer that the message loop waits for, so that every period
/// runs on the window's thread. Due times are kept on an absolute schedule, so a late wake-up
/// is made good by the periods it missed and a course keeps its length. It uses a
/// high-resolution timer where Windows offers one (10, version 1803 and later), else an
/// ordinary one with the system timer at 1 ms while the clock runs.
class GameClock {
 public:
  explicit GameClock(int periodMs);
  ~GameClock();
  GameClock(const GameClock&) = delete;
  GameClock& operator=(const GameClock&) = delete;

  void start();
  void stop();
  bool running() const { return running_; }
  bool highResolution() const { return highResolution_; }
  /// Signalled when a period may be due.
  HANDLE waitHandle() const { return timer_.get(); }
  /// The periods that have come due since the last call, and arms the timer for the next.
  /// After a long stall (a window being dragged) the clock starts afresh instead of
  /// running a burst of periods.
  int takeDuePeriods();

 private:
  void arm(LONGLONG now);
  static LONGLONG counterNow();

  KernelHandle timer_;
  bool highResolution_ = false;
  bool running_ = false;
  LONGLONG period_ = 0;   // in performance counter units
  LONGLONG nextDue_ = 0;  // the same
  LONGLONG counterFrequency_ = 0;
};

}  // namespace vortalin::win32
