#pragma once

#include <array>
#include <string_view>

#include "control_record.h"
#include "vortalin/identity.h"

namespace vortalin::form {

inline constexpr int twipsPerPixel = 15;

inline constexpr std::string_view impactFace = "Impact";
inline constexpr Font impactLarge{impactFace, 27.75, 700, ansiCharset};
inline constexpr Font impactText{impactFace, 26.25, 700, ansiCharset};
inline constexpr Font impactTitle{impactFace, 24.0, 700, ansiCharset};

inline constexpr Font leftArrowFont{"ＤＦ特太ゴシック体", 48.0, 700, shiftJisCharset};
inline constexpr Font rightArrowFont{"ＤＨＰ特太ゴシック体", 48.0, 700, shiftJisCharset};

inline constexpr Colour lightBlue = 0x00FF8080;
inline constexpr Colour lightRed = 0x008080FF;
inline constexpr Colour yellow = 0x0000FFFF;
inline constexpr Colour paleBlue = 0x00FFC0C0;
inline constexpr Colour darkBlue = 0x00C00000;
inline constexpr Colour carRed = 0x000000FF;
inline constexpr Colour carBlue = 0x00FF0000;

/// The window and its sixteen controls, each container's children from the front of the
/// stacking order to the back. The window itself is the first record; its width and
/// height are those of its inside.
// Kept a few lines a record, as the designer's table reads.
// clang-format off
inline constexpr std::array formTable{
    ControlRecord{.name = "Form1", .kind = ControlKind::Window, .width = 4350, .height = 5355,
                  .caption = "Form1", .background = buttonFace, .picture = Picture::PlayerCar},
    ControlRecord{.name = "Command4", .kind = ControlKind::CommandButton, .container = "Form1",
                  .stacking = 1, .left = 120, .top = 4440, .width = 1815, .height = 615,
                  .caption = "STOP", .background = lightRed, .font = impactLarge,
                  .graphicalStyle = true, .tabIndex = 9,
                  .accessibleName = "ストップ"},
    ControlRecord{.name = "Text2", .kind = ControlKind::TextBox, .container = "Form1", .stacking = 2,
                  .left = 120, .top = 2880, .width = 1335, .height = 690, .caption = "0",
                  .font = impactText, .alignment = Alignment::Right, .border = Border::Sunken,
                  .tabIndex = 7,
                  .accessibleName = "距離"},
    ControlRecord{.name = "Text1", .kind = ControlKind::TextBox, .container = "Form1", .stacking = 3,
                  .left = 120, .top = 2040, .width = 1335, .height = 690, .caption = "1000",
                  .font = impactText, .alignment = Alignment::Right, .border = Border::Sunken,
                  .tabIndex = 6,
                  .accessibleName = "エネルギー"},
    ControlRecord{.name = "Command3", .kind = ControlKind::CommandButton, .container = "Form1",
                  .stacking = 4, .left = 3240, .top = 4680, .width = 975, .height = 615,
                  .caption = "→", .background = yellow, .font = rightArrowFont,
                  .graphicalStyle = true, .tabIndex = 4,
                  .accessibleName = "右へ"},
    ControlRecord{.name = "Command2", .kind = ControlKind::CommandButton, .container = "Form1",
                  .stacking = 5, .left = 2040, .top = 4680, .width = 975, .height = 615,
                  .caption = "←", .background = yellow, .font = leftArrowFont,
                  .graphicalStyle = true, .tabIndex = 3,
                  .accessibleName = "左へ"},
    ControlRecord{.name = "Picture1", .kind = ControlKind::PictureBox, .container = "Form1",
                  .stacking = 6, .left = 2040, .top = 120, .width = 2175, .height = 4575,
                  .border = Border::Sunken, .tabIndex = 1},
    ControlRecord{.name = "Picture4", .index = 1, .kind = ControlKind::PictureBox,
                  .container = "Picture1", .stacking = 1, .left = 240, .top = -5000, .width = 480,
                  .height = 780, .background = carBlue, .autoSize = true,
                  .picture = Picture::RivalCar, .tabIndex = 12},
    ControlRecord{.name = "Picture4", .index = 0, .kind = ControlKind::PictureBox,
                  .container = "Picture1", .stacking = 2, .left = 1200, .top = -2000, .width = 480,
                  .height = 780, .background = carBlue, .autoSize = true,
                  .picture = Picture::RivalCar, .tabIndex = 5},
    ControlRecord{.name = "Picture3", .kind = ControlKind::PictureBox, .container = "Picture1",
                  .stacking = 3, .left = 600, .top = 3120, .width = 480, .height = 780,
                  .background = carRed, .autoSize = true, .picture = Picture::PlayerCar,
                  .tabIndex = 2},
    ControlRecord{.name = "Picture2", .kind = ControlKind::PictureBox, .container = "Picture1",
                  .stacking = 4, .left = 0, .top = -37920, .width = 2175, .height = 42585,
                  .autoSize = true, .picture = Picture::Course, .tabIndex = 8},
    ControlRecord{.name = "Timer1", .kind = ControlKind::Timer, .container = "Form1", .stacking = 7,
                  .timerEnabled = false, .timerIntervalMs = 10},
    ControlRecord{.name = "Command1", .kind = ControlKind::CommandButton, .container = "Form1",
                  .stacking = 8, .left = 120, .top = 3720, .width = 1815, .height = 615,
                  .caption = "START", .background = lightBlue, .font = impactLarge,
                  .graphicalStyle = true, .tabIndex = 0,
                  .accessibleName = "スタート"},
    ControlRecord{.name = "Label4", .kind = ControlKind::Label, .container = "Form1", .stacking = 9,
                  .left = 120, .top = 5160, .width = 1815, .height = 255,
                  .caption = identity::homePage, .tabIndex = 14},
    ControlRecord{.name = "Label3", .kind = ControlKind::Label, .container = "Form1", .stacking = 10,
                  .left = 120, .top = 120, .width = 1815, .height = 1815,
                  .caption = "MORVANTE ver 1.0", .background = paleBlue, .foreground = darkBlue,
                  .font = impactTitle, .alignment = Alignment::Centre, .border = Border::Single,
                  .tabIndex = 13, .wordWrap = true},
    ControlRecord{.name = "Label2", .kind = ControlKind::Label, .container = "Form1", .stacking = 11,
                  .left = 1440, .top = 2040, .width = 495, .height = 735, .caption = "Pt",
                  .font = impactLarge, .alignment = Alignment::Right, .tabIndex = 11},
    ControlRecord{.name = "Label1", .kind = ControlKind::Label, .container = "Form1", .stacking = 12,
                  .left = 1560, .top = 2880, .width = 375, .height = 735, .caption = "M",
                  .font = impactLarge, .alignment = Alignment::Right, .tabIndex = 10},
};
// clang-format on

/// Where a control is in the table, by name and array index, or -1 if it is absent.
/// (An index, not a pointer: sanitizer builds cannot compare addresses at compile time.)
constexpr int controlRow(std::string_view name, int index = -1) {
  for (int row = 0; row < static_cast<int>(formTable.size()); ++row) {
    if (formTable[row].name == name && formTable[row].index == index) return row;
  }
  return -1;
}

/// The record of a control by name and array index, or null if there is none.
constexpr const ControlRecord* findControl(std::string_view name, int index = -1) {
  const int row = controlRow(name, index);
  return row < 0 ? nullptr : &formTable[row];
}

/// The record of a control by name and array index; a compile-time error if it is absent.
consteval const ControlRecord& control(std::string_view name, int index = -1) {
  const int row = controlRow(name, index);
  if (row < 0) throw "no such control in the form table";
  return formTable[row];
}

}  // namespace vortalin::form
