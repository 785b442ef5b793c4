#include "controller.h"

#include <utility>

#include "form/design_state.h"

namespace vortalin::game {

const std::string_view counterFullNotice =
    "距離カウンターが上限に達しました。これ以上レースを続けられません。";

Controller::Controller(FrontEnd& frontEnd, std::unique_ptr<RandomSource> random, int dotsPerInch)
    : frontEnd_(frontEnd),
      random_(std::move(random)),
      view_(frontEnd, form::designViewState(), dotsPerInch),
      race_(view_, random_) {}

void Controller::execute(Command command) {
  switch (command) {
    case Command::Start: race_.start(); break;
    case Command::SteerLeft: race_.steerLeft(); break;
    case Command::SteerRight: race_.steerRight(); break;
    case Command::Stop: race_.stop(); break;
  }
}

bool Controller::click(std::string_view controlName) {
  const std::optional<Command> command = commandOfControl(controlName);
  if (command) execute(*command);
  return command.has_value();
}

int Controller::runPeriods(int count) {
  int run = 0;
  for (; run < count && view_.clockEnabled(); ++run) clockPeriod();
  return run;
}

std::optional<TickOutcome> Controller::clockPeriod() {
  if (!view_.clockEnabled()) return std::nullopt;
  view_.beginTick();
  const TickOutcome outcome = race_.tick();
  view_.endTick();
  // The counter cannot count further, so no race can run: stop the clock and say why,
  // rather than leave a clock running that does nothing.
  if (outcome == TickOutcome::CounterFull) {
    view_.setClockEnabled(false);
    frontEnd_.showNotice(counterFullNotice);
  }
  return outcome;
}

}  // namespace vortalin::game
