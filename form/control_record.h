#pragma once

#include <optional>
#include <string_view>

#include "core/colour.h"

namespace vortalin::form {

enum class ControlKind { Window, CommandButton, TextBox, Label, PictureBox, Timer };
enum class Alignment { Default, Left, Right, Centre };
enum class Border { None, Single, Sunken };
enum class Picture { None, Course, PlayerCar, RivalCar };

/// Character sets a font names, by their number.
inline constexpr int ansiCharset = 0;
inline constexpr int shiftJisCharset = 128;

struct Font {
  std::string_view face{};
  double points = 0.0;
  int weight = 400;  // 700 is bold
  int charset = ansiCharset;
};

/// One control of the window as the designer stored it. Positions and sizes are twips
/// within the inside of the container; absent colours and fonts keep the toolkit default.
struct ControlRecord {
  std::string_view name{};
  int index = -1;  // element of a control array, or -1
  ControlKind kind = ControlKind::Label;
  std::string_view container{};
  int stacking = 0;  // 1 is the front of the container's stacking order
  float left = 0;
  float top = 0;
  int width = 0;
  int height = 0;
  std::string_view caption{};
  std::optional<Colour> background{};
  std::optional<Colour> foreground{};
  std::optional<Font> font{};
  Alignment alignment = Alignment::Default;
  Border border = Border::None;
  bool graphicalStyle = false;
  bool autoSize = false;
  Picture picture = Picture::None;
  int tabIndex = -1;  // -1: takes no focus
  bool timerEnabled = false;
  int timerIntervalMs = 0;
  bool wordWrap = false;
  std::string_view accessibleName{};  // what assistive technology announces (UTF-8)
};

}  // namespace vortalin::form
