#include "game_clock.h"

#include <timeapi.h>

#include "startup_error.h"

namespace vortalin::win32 {

namespace {

// CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, which MinGW's headers do not name yet.
constexpr DWORD highResolutionFlag = 0x00000002;
constexpr LONGLONG hundredNanosecondsPerSecond = 10'000'000;

LONGLONG counterFrequency() {
  LARGE_INTEGER frequency{};
  QueryPerformanceFrequency(&frequency);
  return frequency.QuadPart;
}

}  // namespace

GameClock::GameClock(int periodMs, Timer timer)
    : counterFrequency_(counterFrequency()), schedule_(counterFrequency_ * periodMs / 1000) {
  if (timer == Timer::HighResolutionIfOffered) {
    timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, highResolutionFlag, TIMER_ALL_ACCESS));
  }
  highResolution_ = static_cast<bool>(timer_);
  if (!timer_) timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
  if (!timer_) throw StartupError("cannot create the game clock", GetLastError());
}

GameClock::~GameClock() { stop(); }

LONGLONG GameClock::counterNow() {
  LARGE_INTEGER now{};
  QueryPerformanceCounter(&now);
  return now.QuadPart;
}

void GameClock::start() {
  if (running_) return;
  running_ = true;
  if (!highResolution_) timeBeginPeriod(1);
  const LONGLONG now = counterNow();
  schedule_.start(now);
  arm(now);
}

void GameClock::stop() {
  if (!running_) return;
  running_ = false;
  CancelWaitableTimer(timer_.get());
  if (!highResolution_) timeEndPeriod(1);
}

int GameClock::takeDuePeriods() {
  if (!running_) return 0;
  const LONGLONG now = counterNow();
  const int due = schedule_.takeDue(now);
  arm(now);
  return due;
}

// Waitable timers take relative times in 100 ns units, as negative numbers.
void GameClock::arm(LONGLONG now) {
  const LONGLONG wait =
      (schedule_.nextDue() - now) * hundredNanosecondsPerSecond / counterFrequency_;
  LARGE_INTEGER dueTime{};
  dueTime.QuadPart = -(wait > 0 ? wait : 1);
  SetWaitableTimer(timer_.get(), &dueTime, 0, nullptr, nullptr, FALSE);
}

}  // namespace vortalin::win32
