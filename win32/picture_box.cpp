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

// The border is the box's own rather than Windows' client edge, so that it grows with the
// density like everything else and the inside keeps the size the table gives it.
void drawSunkenBorder(HDC dc, RECT edge, int width) {
  const auto line = [dc](int left, int top, int right, int bottom, int colour) {
    SetDCBrushColor(dc, GetSysColor(colour));
    const RECT rect{left, top, right, bottom};
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  };
  const int outerBand = (width + 1) / 2;
  for (int i = 0; i < width; ++i) {
    const int light = i < outerBand ? COLOR_BTNHIGHLIGHT : COLOR_3DLIGHT;
    const int dark = i < outerBand ? COLOR_BTNSHADOW : COLOR_3DDKSHADOW;
    line(edge.left, edge.bottom - 1, edge.right, edge.bottom, light);
    line(edge.right - 1, edge.top, edge.right, edge.bottom, light);
    line(edge.left, edge.top, edge.right - 1, edge.top + 1, dark);
    line(edge.left, edge.top, edge.left + 1, edge.bottom - 1, dark);
    InflateRect(&edge, -1, -1);
  }
}

void paintBorder(HWND box) {
  const PictureBoxLook* look = lookOf(box);
  if (look == nullptr || look->border == 0) return;
  RECT edge{};
  GetWindowRect(box, &edge);
  OffsetRect(&edge, -edge.left, -edge.top);
  const WindowDc dc(box, true);
  drawSunkenBorder(dc.get(), edge, look->border);
}

LRESULT insideRect(HWND box, RECT& outer) {
  if (const PictureBoxLook* look = lookOf(box)) InflateRect(&outer, -look->border, -look->border);
  return 0;
}

LRESULT CALLBACK pictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE: {
      const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
      SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_NCCALCSIZE: return insideRect(box, *reinterpret_cast<RECT*>(lParam));
    case WM_NCPAINT: paintBorder(box); return 0;
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
