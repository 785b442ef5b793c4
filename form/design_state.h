#pragma once

#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "core/view_state.h"
#include "form_table.h"

namespace vortalin::form {

struct ControlKey {
  std::string_view name;
  int index = -1;
};

/// The picture box that holds each box of the race view, in the order of `Box`.
inline constexpr std::array<ControlKey, boxCount> boxControls{
    {{"Picture2"}, {"Picture3"}, {"Picture4", 0}, {"Picture4", 1}}};

/// What a click on a button does.
enum class Command { Start, SteerLeft, SteerRight, Stop };

struct ButtonCommand {
  std::string_view button;
  Command command;
};

/// The button behind each command; no other control has one.
inline constexpr std::array<ButtonCommand, 4> buttonCommands{{{"Command1", Command::Start},
                                                              {"Command2", Command::SteerLeft},
                                                              {"Command3", Command::SteerRight},
                                                              {"Command4", Command::Stop}}};

/// The command of a control, or none for a control that has none.
constexpr std::optional<Command> commandOfControl(std::string_view controlName) {
  for (const ButtonCommand& entry : buttonCommands) {
    if (entry.button == controlName) return entry.command;
  }
  return std::nullopt;
}

/// The controls behind the race view's clock, colour and displays.
inline constexpr std::string_view clockControl = "Timer1";
inline constexpr std::string_view windowControl = "Form1";
inline constexpr std::string_view energyControl = "Text1";
inline constexpr std::string_view distanceControl = "Text2";

static_assert(
    [] {
      for (const ControlKey& key : boxControls) {
        if (controlRow(key.name, key.index) < 0) return false;
      }
      for (std::string_view name : {clockControl, windowControl, energyControl, distanceControl}) {
        if (controlRow(name) < 0) return false;
      }
      for (const ButtonCommand& entry : buttonCommands) {
        const int row = controlRow(entry.button);
        if (row < 0 || formTable[row].kind != ControlKind::CommandButton) return false;
      }
      return true;
    }(),
    "every control behind the race view and every command button is in the form table");

/// What the race view holds when the window opens, read from the control table.
inline ViewState designViewState() {
  ViewState state;
  for (int i = 0; i < boxCount; ++i) {
    const ControlRecord& record = *findControl(boxControls[i].name, boxControls[i].index);
    state.boxes[i] = {record.left, record.top};
  }
  state.clockEnabled = findControl(clockControl)->timerEnabled;
  state.backgroundColour = *findControl(windowControl)->background;
  state.energyText = findControl(energyControl)->caption;
  state.distanceText = findControl(distanceControl)->caption;
  return state;
}

}  // namespace vortalin::form
