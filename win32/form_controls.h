#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "classic_look.h"
#include "form/control_record.h"
#include "form/pictures.h"
#include "handles.h"
#include "picture_box.h"
#include "picture_set.h"

namespace vortalin::win32 {

/// The control identifier of a row of the control table.
constexpr int controlId(int row) { return 1000 + row; }

/// The child windows of `Form1`, made from the control table: every control but the form
/// itself and the timer. They own their fonts, brushes and pictures.
class FormControls {
 public:
  struct Control {
    const form::ControlRecord* record = nullptr;
    HWND window = nullptr;
    Font font;
    Brush background;                      // labels: their opaque background
    std::unique_ptr<PictureBoxLook> look;  // picture boxes
    std::unique_ptr<Frame> frame;          // framed text boxes and labels
  };

  /// Creates the controls on `form` at a density, placed and stacked as the table says.
  /// Throws StartupError if a window cannot be created.
  FormControls(HWND form, HINSTANCE instance, const PictureSet& pictures, int dpi);

  /// Places, fonts and pictures for another density.
  void setDpi(int dpi);

  /// The window of a control, or null if the table has none of that name.
  HWND window(std::string_view name, int index = -1) const;
  const Control* find(HWND window) const;
  const Control* find(int controlId) const;
  /// The control the focus starts on: the lowest tab index.
  HWND firstInTabOrder() const;

  /// Answers WM_DRAWITEM for an owner-drawn button.
  void drawButton(const DRAWITEMSTRUCT& item) const;
  /// Answers WM_CTLCOLORSTATIC for a label: its colours and background brush, or null for
  /// a window that is not one of the labels.
  HBRUSH labelColours(HWND label, HDC dc) const;

 private:
  void create(int row, HWND form, HINSTANCE instance);
  void stack();
  void applyFonts(int dpi);
  void applyLooks(int dpi);
  void place(int dpi);
  static void placeText(const Control& control, int dpi);

  const PictureSet& pictures_;
  std::vector<Control> controls_;  // by row of the table; empty for the form and the timer
  std::array<Bitmap, form::pictureSlots> bitmaps_;  // by form::Picture, at the current density
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
};

}  // namespace vortalin::win32
