#pragma once

#include "form_table.h"
#include "race_state.h"

namespace vortalin::form {

/// What the race view holds when the window opens, read from the control table.
inline ViewState designViewState() {
  ViewState state;
  const auto place = [&state](Box box, const ControlRecord& record) {
    state[box] = {record.left, record.top};
  };
  place(Box::Strip, control("Picture2"));
  place(Box::Player, control("Picture3"));
  place(Box::Rival0, control("Picture4", 0));
  place(Box::Rival1, control("Picture4", 1));
  state.clockEnabled = control("Timer1").timerEnabled;
  state.backgroundColour = *control("Form1").background;
  state.energyText = control("Text1").caption;
  state.distanceText = control("Text2").caption;
  return state;
}

}  // namespace vortalin::form
