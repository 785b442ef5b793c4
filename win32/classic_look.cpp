#include "classic_look.h"

#include "handles.h"

namespace vortalin::win32 {

namespace {

constexpr const wchar_t* frameProperty = L"vortalin.Frame";
constexpr const wchar_t* procedureProperty = L"vortalin.FramedProcedure";

LRESULT CALLBACK framedProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto* frame = static_cast<const Frame*>(GetPropW(window, frameProperty));
  const auto original = reinterpret_cast<WNDPROC>(GetPropW(window, procedureProperty));
  switch (message) {
    case WM_NCCALCSIZE: takeFrameOff(*frame, *reinterpret_cast<RECT*>(lParam)); return 0;
    case WM_NCPAINT: paintFrame(window, *frame); return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropW(window, frameProperty);
      RemovePropW(window, procedureProperty);
      break;
  }
  return CallWindowProcW(original, window, message, wParam, lParam);
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

void takeFrameOff(const Frame& frame, RECT& outer) {
  outer = placeIn(outer, form::insetRect(outer.right - outer.left, outer.bottom - outer.top,
                                         static_cast<int>(frame.rings.size()), frame.dpi));
}

void paintFrame(HWND window, const Frame& frame) {
  if (frame.rings.empty()) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  OffsetRect(&outer, -outer.left, -outer.top);
  const WindowDc dc(window, true);
  paintRings(dc.get(), outer, frame.rings, frame.dpi);
}

void frameWindow(HWND window, const Frame* frame) {
  SetPropW(window, frameProperty, const_cast<Frame*>(frame));
  SetPropW(window, procedureProperty,
           reinterpret_cast<HANDLE>(GetWindowLongPtrW(window, GWLP_WNDPROC)));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(framedProcedure));
}

}  // namespace vortalin::win32
