#include "form_controls.h"

#include <string>

#include "button_painting.h"
#include "classic_look.h"
#include "colours.h"
#include "fonts.h"
#include "form/design_state.h"
#include "form/form_table.h"
#include "form/frames_and_tab_order.h"
#include "form/system_colours.h"
#include "form/twips.h"
#include "form/window_order.h"
#include "startup_error.h"
#include "text.h"

namespace vortalin::win32 {

namespace {

using form::ControlKind;
using form::ControlRecord;

constexpr DWORD childStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

// Text boxes show numbers; their font must have every digit, whatever the caption.
constexpr std::wstring_view textBoxGlyphs = L"-0123456789";

DWORD alignmentStyle(const ControlRecord& record) {
  const bool label = record.kind == ControlKind::Label;
  switch (record.alignment) {
    case form::Alignment::Right: return label ? SS_RIGHT : ES_RIGHT;
    case form::Alignment::Centre: return label ? SS_CENTER : ES_CENTER;
    case form::Alignment::Left:
    case form::Alignment::Default: break;
  }
  if (!label) return ES_LEFT;
  // A left-aligned label that does not wrap (the web address) is cut off at its right edge.
  return record.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

struct WindowKind {
  const wchar_t* className;
  DWORD style;
};

// No border of Windows' own: every border is a frame drawn from the shared look.
WindowKind windowKind(const ControlRecord& record, HINSTANCE instance) {
  switch (record.kind) {
    case ControlKind::CommandButton:
      return {L"BUTTON",
              childStyle | WS_TABSTOP | (record.graphicalStyle ? BS_OWNERDRAW : BS_PUSHBUTTON)};
    case ControlKind::TextBox:
      return {L"EDIT", childStyle | WS_TABSTOP | ES_AUTOHSCROLL | alignmentStyle(record)};
    case ControlKind::Label: return {L"STATIC", childStyle | SS_NOPREFIX | alignmentStyle(record)};
    case ControlKind::PictureBox: return {pictureBoxClass(instance), childStyle | WS_CLIPCHILDREN};
    case ControlKind::Window:
    case ControlKind::Timer: break;
  }
  return {nullptr, 0};
}

COLORREF backgroundOf(const ControlRecord& record) {
  return toColorRef(record.background.value_or(form::defaultBackground));
}

}  // namespace

FormControls::FormControls(HWND form, HINSTANCE instance, const PictureSet& pictures, int dpi)
    : pictures_(pictures), controls_(form::formTable.size()) {
  for (int row = 0; row < static_cast<int>(form::formTable.size()); ++row) {
    controls_[row].record = &form::formTable[row];
    if (form::isChildWindow(form::formTable[row])) create(row, form, instance);
  }
  stack();
  setDpi(dpi);
}

void FormControls::create(int row, HWND form, HINSTANCE instance) {
  Control& control = controls_[row];
  const ControlRecord& record = *control.record;
  const WindowKind kind = windowKind(record, instance);
  const HWND container = record.container == form::windowControl ? form : window(record.container);
  if (record.kind == ControlKind::PictureBox) {
    control.look = std::make_unique<PictureBoxLook>();
    control.look->background = backgroundOf(record);
    control.look->frame.rings = form::borderRings(record);
  } else if (!form::borderRings(record).empty()) {
    control.frame = std::make_unique<Frame>(Frame{form::borderRings(record)});
  }
  if (record.kind == ControlKind::Label) {
    control.background.reset(CreateSolidBrush(backgroundOf(record)));
  }
  control.window = CreateWindowExW(
      0, kind.className, toUtf16(record.caption).c_str(), kind.style, 0, 0, 0, 0, container,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(row))), instance, control.look.get());
  if (control.window == nullptr) {
    throw StartupError("cannot create the control " + std::string(record.name), GetLastError());
  }
  if (control.frame) frameWindow(control.window, *control.frame);
}

// Windows draws a container's children, and moves the focus among them, in the order of
// their windows: front first.
void FormControls::stack() {
  for (const int row : form::windowOrder) {
    SetWindowPos(controls_[row].window, HWND_BOTTOM, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

// Placed first: a caption's font is fitted to its control's inside.
void FormControls::setDpi(int dpi) {
  dpi_ = dpi;
  applyLooks(dpi);
  place(dpi);
  applyFonts(dpi);
}

void FormControls::applyFonts(int dpi) {
  for (Control& control : controls_) {
    const ControlRecord& record = *control.record;
    if (control.window == nullptr || record.kind == ControlKind::PictureBox) continue;
    std::wstring glyphs = toUtf16(record.caption);
    if (record.kind == ControlKind::TextBox) glyphs += textBoxGlyphs;
    Font font = record.font ? createFont(*record.font, glyphs, dpi) : createDefaultFont(dpi);
    RECT inside{};
    GetClientRect(control.window, &inside);
    if (record.kind == ControlKind::CommandButton) {
      font = fitToRoom(std::move(font), glyphs, captionRoom({inside.right, inside.bottom}, dpi));
    }
    if (record.kind == ControlKind::Label && record.wordWrap) {
      font = fitWordsToWidth(std::move(font), glyphs, inside.right);
    }
    SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    control.font = std::move(font);  // the old font goes once nothing uses it
    if (record.kind == ControlKind::TextBox) placeText(control, dpi);
  }
}

// The text runs in the shared look's text area: its line centred within the frame, and the
// edit's margins what lies between the inside of the frame and the area's sides.
void FormControls::placeText(const Control& control, int dpi) {
  if (control.frame) {
    TEXTMETRICW metrics{};
    {
      const WindowDc dc(control.window);
      const Selection font(dc.get(), control.font.get());
      GetTextMetricsW(dc.get(), &metrics);
    }
    control.frame->lineHeight = metrics.tmHeight;
    SetWindowPos(control.window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
  RECT outer{};
  GetWindowRect(control.window, &outer);
  const int width = outer.right - outer.left, height = outer.bottom - outer.top;
  const form::DeviceRect inside = form::insetRect(
      width, height, static_cast<int>(form::borderRings(*control.record).size()), dpi);
  const form::DeviceRect text = form::textBoxTextArea(width, height, dpi);
  const int left = text.left - inside.left;
  const int right = inside.left + inside.width - (text.left + text.width);
  SendMessageW(control.window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               MAKELPARAM(left, right));
}

// Frames, margins and pictures grow with the density, pictures by nearest neighbour.
void FormControls::applyLooks(int dpi) {
  for (const form::Picture picture : form::allPictures) {
    bitmaps_[static_cast<int>(picture)] = pictures_.bitmapAt(picture, dpi);
  }
  for (Control& control : controls_) {
    if (control.frame) control.frame->dpi = dpi;
    if (!control.look) continue;
    const ControlRecord& record = *control.record;
    PictureBoxLook& look = *control.look;
    look.frame.dpi = dpi;
    if (record.picture != form::Picture::None) {
      look.picture = bitmaps_[static_cast<int>(record.picture)].get();
      look.pictureSize = PictureSet::sizeAt(record.picture, dpi);
      look.margin = form::twipsToPixels(form::frameWidthPixels(record) * form::twipsPerPixel, dpi);
    }
    InvalidateRect(control.window, nullptr, FALSE);
  }
}

void FormControls::place(int dpi) {
  for (const Control& control : controls_) {
    if (control.window == nullptr) continue;
    const form::PixelRect rect = form::pixelRect(*control.record, dpi);
    SetWindowPos(control.window, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  }
}

HWND FormControls::window(std::string_view name, int index) const {
  const int row = form::controlRow(name, index);
  return row < 0 ? nullptr : controls_[row].window;
}

const FormControls::Control* FormControls::find(HWND window) const {
  for (const Control& control : controls_) {
    if (window != nullptr && control.window == window) return &control;
  }
  return nullptr;
}

const FormControls::Control* FormControls::find(int id) const {
  const int row = id - controlId(0);
  if (row < 0 || row >= static_cast<int>(controls_.size())) return nullptr;
  return controls_[row].window != nullptr ? &controls_[row] : nullptr;
}

HWND FormControls::firstInTabOrder() const { return controls_[form::tabOrder.front()].window; }

void FormControls::drawButton(const DRAWITEMSTRUCT& item) const {
  const Control* control = find(item.hwndItem);
  if (control == nullptr) return;
  const ControlRecord& record = *control->record;
  const ButtonLook look{backgroundOf(record),
                        toColorRef(record.foreground.value_or(form::defaultButtonText)),
                        control->font.get(), dpi_};
  paintButton(item, look, windowText(item.hwndItem));
}

HBRUSH FormControls::labelColours(HWND label, HDC dc) const {
  const Control* control = find(label);
  if (control == nullptr || !control->background) return nullptr;
  SetTextColor(dc, toColorRef(control->record->foreground.value_or(form::defaultButtonText)));
  SetBkColor(dc, backgroundOf(*control->record));
  return control->background.get();
}

}  // namespace vortalin::win32
