#include "button_painting.h"

#include <optional>

#include "fonts.h"
#include "handles.h"

namespace vortalin::win32 {

namespace {

// Pixels between the edge and the focus rectangle, inside the bevel.
constexpr int focusInset = 4;
constexpr int bevelWidth = 2;  // DrawEdge's raised and sunken edges

// The caption's ink is centred, not its line: a face's line can be far taller than its
// glyphs (a Japanese face's arrows), and centring the line would push them off the face.
void drawCaption(HDC dc, RECT area, const ButtonLook& look, std::wstring_view caption) {
  const Selection font(dc, look.font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.text);
  const std::optional<RECT> ink = inkOf(dc, caption);
  if (!ink) {
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return;
  }
  const int x = (area.left + area.right - ink->left - ink->right) / 2;
  const int y = (area.top + area.bottom - ink->top - ink->bottom) / 2;
  SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
  TextOutW(dc, x, y, caption.data(), static_cast<int>(caption.size()));
}

}  // namespace

SIZE captionRoom(SIZE button) {
  const int spare = 2 * (bevelWidth + 1);
  return {button.cx - spare, button.cy - spare};
}

namespace {

void drawButton(HDC dc, RECT area, const DRAWITEMSTRUCT& item, const ButtonLook& look,
                std::wstring_view caption) {
  SetDCBrushColor(dc, look.face);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawEdge(dc, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  RECT text = area;
  if (pressed) OffsetRect(&text, 1, 1);
  drawCaption(dc, text, look, caption);
  if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
    RECT focus = area;
    InflateRect(&focus, -focusInset, -focusInset);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace

// Drawn into a bitmap and copied in one piece; where Windows gives no bitmap, straight on.
void paintButton(const DRAWITEMSTRUCT& item, const ButtonLook& look, std::wstring_view caption) {
  const RECT bounds = item.rcItem;
  const int width = bounds.right - bounds.left;
  const int height = bounds.bottom - bounds.top;
  const MemoryDc dc(CreateCompatibleDC(item.hDC));
  const Bitmap bitmap(dc ? CreateCompatibleBitmap(item.hDC, width, height) : nullptr);
  if (!dc || !bitmap) {
    drawButton(item.hDC, bounds, item, look, caption);
    return;
  }
  const Selection canvas(dc.get(), bitmap.get());
  drawButton(dc.get(), {0, 0, width, height}, item, look, caption);
  BitBlt(item.hDC, bounds.left, bounds.top, width, height, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace vortalin::win32
