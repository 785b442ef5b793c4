#pragma once

#include <windows.h>

#include <optional>

#include "game/front_end.h"
#include "handles.h"

namespace vortalin::win32 {

/// The game clock's time and wake-up: a waitable timer that the message loop waits for, so
/// that every period runs on the window's thread. It uses a high-resolution timer where
/// Windows offers one (10, version 1803 and later), else an ordinary one with the system
/// timer at 1 ms while the clock runs.
class GameClock {
 public:
  enum class Timer { HighResolutionIfOffered, Ordinary };

  /// Throws StartupError if Windows gives no timer.
  explicit GameClock(game::Now now, Timer timer = Timer::HighResolutionIfOffered);
  ~GameClock();
  GameClock(const GameClock&) = delete;
  GameClock& operator=(const GameClock&) = delete;

  game::Time now() const { return now_(); }
  /// Arms the timer for `deadline`. If Windows refuses, the clock stops and keeps the error.
  void wakeAt(game::Time deadline);
  void stopWaking();
  bool running() const { return running_; }
  bool highResolution() const { return highResolution_; }
  /// Signalled at the deadline.
  HANDLE waitHandle() const { return timer_.get(); }
  /// The error of the call that could not arm the timer, if one could not.
  std::optional<DWORD> failure() const { return failure_; }

 private:
  game::Now now_;
  KernelHandle timer_;
  bool highResolution_ = false;
  bool running_ = false;
  std::optional<DWORD> failure_;
};

}  // namespace vortalin::win32
