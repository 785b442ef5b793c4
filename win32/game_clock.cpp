#include "game_clock.h"

#include <timeapi.h>

#include <chrono>

#include "startup_error.h"

namespace vortalin::win32 {

namespace {

// CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, which MinGW's headers do not name yet.
constexpr DWORD highResolutionFlag = 0x00000002;
using TimerUnits = std::chrono::duration<LONGLONG, std::ratio<1, 10'000'000>>;

}  // namespace

GameClock::GameClock(game::Now now, Timer timer) : now_(now) {
  if (timer == Timer::HighResolutionIfOffered) {
    timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, highResolutionFlag, TIMER_ALL_ACCESS));
  }
  highResolution_ = static_cast<bool>(timer_);
  if (!timer_) timer_.reset(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
  if (!timer_) throw StartupError("cannot create the game clock", GetLastError());
}

GameClock::~GameClock() { stopWaking(); }

// Waitable timers take relative times in 100 ns units, as negative numbers; rounded up, as a
// wake-up a moment early finds no period due.
void GameClock::wakeAt(game::Time deadline) {
  if (!running_ && !highResolution_) timeBeginPeriod(1);
  running_ = true;
  const LONGLONG wait = std::chrono::ceil<TimerUnits>(deadline - now()).count();
  LARGE_INTEGER dueTime{};
  dueTime.QuadPart = -(wait > 0 ? wait : 1);
  if (!SetWaitableTimer(timer_.get(), &dueTime, 0, nullptr, nullptr, FALSE)) {
    failure_ = GetLastError();
    stopWaking();
  }
}

void GameClock::stopWaking() {
  if (!running_) return;
  running_ = false;
  CancelWaitableTimer(timer_.get());
  if (!highResolution_) timeEndPeriod(1);
}

}  // namespace vortalin::win32
