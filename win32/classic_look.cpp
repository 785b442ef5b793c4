#include "classic_look.h"

#include "handles.h"

namespace vortalin::win32 {

namespace {

// The frame is found through the window's user data rather than a property: under Wine
// each property read is a request to its server, and a text box sees messages every tick.
LRESULT CALLBACK framedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* frame = reinterpret_cast<const Frame*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCCALCSIZE: takeFrameOff(*frame, *reinterpret_cast<RECT*>(lParam)); return 0;
    case WM_NCPAINT: paintFrame(window, *frame); return 0;
  }
  return CallWindowProcW(frame->systemProcedure, window, message, wParam, lParam);
}

}  // namespace

RECT placeIn(const RECT& area, const form::DeviceRect& part) {
  const int left = area.left + part.left;
  const int top = area.top + part.top;
  return {left, top, left + part.width, top + part.height};
}

void paintRings(HDC dc, RECT area, form::Rings rings, int dpi) {
  form::paintRings(rings, area.right - area.left, area.bottom - area.top, dpi,
                   [&](const form::DeviceRect& part, SystemColour colour) {
                     const RECT rect = placeIn(area, part);
                     FillRect(dc, &rect, GetSysColorBrush(static_cast<int>(colour)));
                   });
}

void invertFocusMark(HDC dc, RECT area, int dpi) {
  form::paintFocusMark(
      area.right - area.left, area.bottom - area.top, dpi, [&](const form::DeviceRect& dot) {
        PatBlt(dc, area.left + dot.left, area.top + dot.top, dot.width, dot.height, DSTINVERT);
      });
}

// An edit draws its one line at the top of its inside: the inside is cut to the line, so
// that the line is centred within the rings.
void takeFrameOff(const Frame& frame, RECT& outer) {
  outer = placeIn(outer, form::insetRect(outer.right - outer.left, outer.bottom - outer.top,
                                         static_cast<int>(frame.rings.size()), frame.dpi));
  const int spare = outer.bottom - outer.top - frame.lineHeight;
  if (frame.lineHeight > 0 && spare > 0) {
    outer.top += spare / 2;
    outer.bottom = outer.top + frame.lineHeight;
  }
}

void paintFrame(HWND window, const Frame& frame) {
  if (frame.rings.empty() && frame.lineHeight == 0) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  OffsetRect(&outer, -outer.left, -outer.top);
  const WindowDc dc(window, true);
  paintRings(dc.get(), outer, frame.rings, frame.dpi);
  if (frame.lineHeight == 0) return;
  const RECT inside = placeIn(
      outer,
      form::insetRect(outer.right, outer.bottom, static_cast<int>(frame.rings.size()), frame.dpi));
  RECT line = outer;
  takeFrameOff(frame, line);
  auto background = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(window), WM_CTLCOLOREDIT,
                                                          reinterpret_cast<WPARAM>(dc.get()),
                                                          reinterpret_cast<LPARAM>(window)));
  if (background == nullptr) background = GetSysColorBrush(COLOR_WINDOW);
  const RECT above{inside.left, inside.top, inside.right, line.top};
  const RECT below{inside.left, line.bottom, inside.right, inside.bottom};
  FillRect(dc.get(), &above, background);
  FillRect(dc.get(), &below, background);
}

void frameWindow(HWND window, Frame& frame) {
  frame.systemProcedure = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&frame));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(framedProcedure));
}

}  // namespace vortalin::win32
