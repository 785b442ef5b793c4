#include "picture_box.h"

#include <vector>

#include "buffered_paint.h"
#include "handles.h"
#include "one_copy_paint.h"
#include "window_class.h"

namespace vortalin::win32 {

namespace {

constexpr const wchar_t* className = L"vortalin.PictureBox";

PictureBoxLook* lookOf(HWND box) {
  return reinterpret_cast<PictureBoxLook*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

// The picture is opaque and drawn as it is: a copy of each given part of it.
void drawInside(HWND box, HDC dc, const std::vector<RECT>& parts) {
  const PictureBoxLook* look = lookOf(box);
  if (parts.empty() || look == nullptr) return;
  SetDCBrushColor(dc, look->background);
  for (const RECT& part : parts) {
    FillRect(dc, &part, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  }
  if (look->picture == nullptr) return;
  const RECT picture{look->margin, look->margin, look->margin + look->pictureSize.cx,
                     look->margin + look->pictureSize.cy};
  const MemoryDc source(CreateCompatibleDC(dc));
  const Selection selected(source.get(), look->picture);
  for (const RECT& part : parts) {
    RECT shown{};
    if (!IntersectRect(&shown, &picture, &part)) continue;
    BitBlt(dc, shown.left, shown.top, shown.right - shown.left, shown.bottom - shown.top,
           source.get(), shown.left - look->margin, shown.top - look->margin, SRCCOPY);
  }
}

void paint(HWND box) {
  BufferedPaint paint(box);
  drawInside(box, paint.dc(), paint.parts());
}

LRESULT CALLBACK pictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    // The frame is the box's own rather than Windows' client edge, so that it grows with the
    // density like everything else and the inside keeps the size the table gives it.
    case WM_NCCALCSIZE:
      if (const PictureBoxLook* look = lookOf(box)) {
        takeFrameOff(look->frame, *reinterpret_cast<RECT*>(lParam));
      }
      return 0;
    case WM_NCPAINT:
      if (const PictureBoxLook* look = lookOf(box)) paintFrame(box, look->frame);
      return 0;
    case WM_ERASEBKGND: return 1;  // WM_PAINT covers every pixel
    case WM_PAINT: paint(box); return 0;
    case WM_PRINTCLIENT: {
      const auto dc = reinterpret_cast<HDC>(wParam);
      drawInside(box, dc, printedParts(dc));
      return 0;
    }
  }
  return DefWindowProcW(box, message, wParam, lParam);
}

}  // namespace

const wchar_t* pictureBoxClass(HINSTANCE instance) {
  registerWindowClass(instance, className, pictureBoxProcedure);
  return className;
}

}  // namespace vortalin::win32
