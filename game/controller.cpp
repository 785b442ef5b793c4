#include "controller.h"

#include <utility>

#include "form/design_state.h"

namespace vortalin::game {

const std::string_view counterFullNotice =
    "距離カウンターが上限に達しました。これ以上レースを続けられません。";

Time steadyNow() { return std::chrono::steady_clock::now().time_since_epoch(); }

Controller::Controller(FrontEnd& frontEnd, std::unique_ptr<RandomSource> random, int dotsPerInch)
    : frontEnd_(frontEnd),
      random_(std::move(random)),
      view_(frontEnd, form::designViewState(), dotsPerInch),
      race_(view_, *random_) {
  followClock();
}

void Controller::execute(Command command) {
  runDue(CatchUp::Bounded);
  switch (command) {
    case Command::Start: race_.start(); break;
    case Command::SteerLeft: race_.steerLeft(); break;
    case Command::SteerRight: race_.steerRight(); break;
    case Command::Stop: race_.stop(); break;
  }
  followClock();
}

bool Controller::click(std::string_view controlName) {
  const std::optional<Command> command = commandOfControl(controlName);
  if (command) execute(*command);
  return command.has_value();
}

int Controller::woke(CatchUp catchUp) {
  wakeRequested_.reset();
  const int run = runDue(catchUp);
  followClock();
  return run;
}

std::optional<TickOutcome> Controller::clockPeriod() {
  const std::optional<TickOutcome> outcome = period();
  followClock();
  return outcome;
}

int Controller::runPeriods(int count) {
  const int run = periods(count);
  followClock();
  return run;
}

int Controller::runDue(CatchUp catchUp) {
  if (!scheduled_) return 0;
  const long long now = frontEnd_.now().count();
  return periods(catchUp == CatchUp::Every ? schedule_.takeAllDue(now) : schedule_.takeDue(now));
}

int Controller::periods(int count) {
  int run = 0;
  for (; run < count && view_.clockEnabled(); ++run) period();
  return run;
}

std::optional<TickOutcome> Controller::period() {
  if (!view_.clockEnabled()) return std::nullopt;
  view_.beginTick();
  const TickOutcome outcome = race_.tick();
  view_.endTick();
  // The counter cannot count further, so no race can run: stop the clock and say why,
  // rather than leave a clock running that does nothing.
  if (outcome == TickOutcome::CounterFull) {
    view_.setClockEnabled(false);
    followClock();
    frontEnd_.showNotice(counterFullNotice);
  }
  return outcome;
}

void Controller::followClock() {
  if (!view_.clockEnabled()) {
    if (scheduled_) frontEnd_.stopWaking();
    scheduled_ = false;
    wakeRequested_.reset();
    return;
  }
  if (!scheduled_) schedule_.start(frontEnd_.now().count());
  scheduled_ = true;
  const Time next{schedule_.nextDue()};
  if (wakeRequested_ != next) frontEnd_.wakeAt(next);
  wakeRequested_ = next;
}

}  // namespace vortalin::game
