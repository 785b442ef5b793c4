#include "replay_session.h"

#include "form/design_state.h"
#include "game/state_json.h"

namespace vortalin::replay {

ReplaySession::HeadlessFrontEnd::HeadlessFrontEnd() {
  const ViewState design = form::designViewState();
  texts_ = {design.energyText, design.distanceText};
}

bool ReplaySession::HeadlessFrontEnd::advanceToWakeUp() {
  if (!wakeAt_) return false;
  now_ = *wakeAt_;
  return true;
}

ReplaySession::ReplaySession(std::ostream& out)
    : out_(out), game_(frontEnd_, [this] {
        auto random = std::make_unique<RecordingRandom>();
        random_ = random.get();
        return random;
      }()) {}

void ReplaySession::execute(const Command& command) {
  switch (command.action) {
    case Action::Start: game_.execute(game::Command::Start); break;
    case Action::Left: game_.execute(game::Command::SteerLeft); break;
    case Action::Right: game_.execute(game::Command::SteerRight); break;
    case Action::Stop: game_.execute(game::Command::Stop); break;
    case Action::Tick: tickPeriods(command.periods); break;
    case Action::Run: runUntilStopped(); break;
    case Action::Place: game_.view().move(command.box, command.left, command.top); break;
    case Action::Show: out_ << game::stateJson(game_.view().state(), game_.race()) << '\n'; break;
  }
  out_.flush();
}

void ReplaySession::period() {
  if (!frontEnd_.advanceToWakeUp() || game_.woke() == 0) return;
  out_ << game::stateJson(game_.view().state(), game_.race(), random_->takeDrawn()) << '\n';
  out_.flush();
}

// Nothing inside a period can turn the clock back on, so idle periods can be skipped.
void ReplaySession::tickPeriods(std::int64_t count) {
  for (std::int64_t i = 0; i < count && game_.view().clockEnabled(); ++i) period();
}

void ReplaySession::runUntilStopped() {
  while (game_.view().clockEnabled()) period();
}

}  // namespace vortalin::replay
