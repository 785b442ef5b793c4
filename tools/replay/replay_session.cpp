#include "replay_session.h"

#include "design_state.h"
#include "state_json.h"

namespace vortalin::replay {

ReplaySession::ReplaySession(std::ostream& out)
    : out_(out), model_(form::designViewState()), race_(model_, random_) {}

void ReplaySession::execute(const Command& command) {
  switch (command.action) {
    case Action::Start: race_.start(); break;
    case Action::Left: race_.steerLeft(); break;
    case Action::Right: race_.steerRight(); break;
    case Action::Stop: race_.stop(); break;
    case Action::Tick: tickPeriods(command.periods); break;
    case Action::Run: runUntilStopped(); break;
    case Action::Place: model_.move(command.box, command.left, command.top); break;
    case Action::Show: writeStateJson(out_, model_.state(), race_, std::nullopt); break;
  }
  out_.flush();
}

void ReplaySession::period() {
  if (!model_.clockEnabled()) return;
  std::optional<float> draw;
  if (race_.tick() == TickOutcome::Ran) {
    draw = random_.last();
  } else {
    // A full distance counter ends the race rather than leave a clock that does nothing.
    model_.setClockEnabled(false);
  }
  writeStateJson(out_, model_.state(), race_, draw);
  out_.flush();
}

void ReplaySession::tickPeriods(std::int64_t count) {
  // Nothing inside a period can turn the clock back on, so idle periods can be skipped.
  for (std::int64_t i = 0; i < count && model_.clockEnabled(); ++i) period();
}

void ReplaySession::runUntilStopped() {
  while (model_.clockEnabled()) period();
}

}  // namespace vortalin::replay
