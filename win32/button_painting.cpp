#include "button_painting.h"

#include <optional>

#include "classic_look.h"
#include "fonts.h"
#include "handles.h"

namespace vortalin::win32 {

namespace {

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

void drawButton(HDC dc, RECT area, const DRAWITEMSTRUCT& item, const ButtonLook& look,
                std::wstring_view caption) {
  SetDCBrushColor(dc, look.face);
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
  const form::ButtonState state{(item.itemState & ODS_FOCUS) != 0,
                                (item.itemState & ODS_SELECTED) != 0};
  paintRings(dc, area, form::buttonRings(state), look.dpi);
  const form::DeviceRect text =
      form::captionArea(area.right - area.left, area.bottom - area.top, state, look.dpi);
  const RECT clip =
      placeIn(area, form::captionClip(area.right - area.left, area.bottom - area.top, state,
                                      look.dpi));
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  drawCaption(dc, placeIn(area, text), look, caption);
  RestoreDC(dc, saved);
  if (state.focused) invertFocusMark(dc, area, look.dpi);
}

}  // namespace

// A pixel clear of the rings on each side, so that no antialiased edge of the ink meets them.
SIZE captionRoom(SIZE button, int dpi) {
  const form::DeviceRect area = form::captionArea(button.cx, button.cy, {}, dpi);
  return {area.width - 2, area.height - 2};
}

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
