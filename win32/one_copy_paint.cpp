#include "one_copy_paint.h"

#include <vector>

#include "handles.h"

namespace vortalin::win32 {

namespace {

using Region = OwnedHandle<HRGN, DeleteObject>;

Region emptyRegion() { return Region(CreateRectRgn(0, 0, 0, 0)); }

Region regionOf(const RECT& rect) { return Region(CreateRectRgnIndirect(&rect)); }

/// A window that shows: its inside and the part of it that shows within all its
/// ancestors' insides, in the top window's client coordinates.
struct Shown {
  HWND window;
  RECT inside;
  RECT visible;
};

RECT insideIn(HWND window, HWND top) {
  RECT inside{};
  GetClientRect(window, &inside);
  MapWindowPoints(window, top, reinterpret_cast<POINT*>(&inside), 2);
  return inside;
}

// Depth first, each window before its children and the children bottom to top: the order
// in which they cover one another.
void collectShown(HWND window, HWND top, const RECT& within, std::vector<Shown>& shown) {
  const RECT inside = insideIn(window, top);
  RECT visible{};
  if (!IntersectRect(&visible, &inside, &within)) return;
  shown.push_back({window, inside, visible});
  const HWND topChild = GetWindow(window, GW_CHILD);
  if (topChild == nullptr) return;
  for (HWND child = GetWindow(topChild, GW_HWNDLAST); child != nullptr;
       child = GetWindow(child, GW_HWNDPREV)) {
    if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0) {
      collectShown(child, top, visible, shown);
    }
  }
}

// What the windows' own painting would draw now, less the controls' frames.
Region dueRegion(const std::vector<Shown>& shown, HWND top) {
  Region due = emptyRegion();
  const Region part = emptyRegion();
  for (const Shown& window : shown) {
    if (GetUpdateRgn(window.window, part.get(), FALSE) <= NULLREGION) continue;
    OffsetRgn(part.get(), window.inside.left, window.inside.top);
    const Region visible = regionOf(window.visible);
    CombineRgn(part.get(), part.get(), visible.get(), RGN_AND);
    CombineRgn(due.get(), due.get(), part.get(), RGN_OR);
  }
  for (const Shown& window : shown) {
    RECT outer{};
    GetWindowRect(window.window, &outer);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&outer), 2);
    const Region frame = regionOf(outer);
    const Region inside = regionOf(window.inside);
    CombineRgn(frame.get(), frame.get(), inside.get(), RGN_DIFF);
    CombineRgn(due.get(), due.get(), frame.get(), RGN_DIFF);
  }
  return due;
}

bool ofThisProgram(HWND window) {
  return reinterpret_cast<HMODULE>(GetClassLongPtrW(window, GCLP_HMODULE)) ==
         GetModuleHandleW(nullptr);
}

// Windows' own controls (buttons, labels, text boxes) clip to their inside as the device
// sees it, which under Wine ignores an offset origin: they are given a bitmap of their
// own, at their own origin, copied in after.
void askToPrintInside(HWND window, HDC dc) {
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
}

bool printControlApart(HDC canvas, const Shown& control, POINT at) {
  const int width = control.inside.right - control.inside.left;
  const int height = control.inside.bottom - control.inside.top;
  const MemoryDc own(CreateCompatibleDC(canvas));
  const Bitmap bitmap(CreateCompatibleBitmap(canvas, width, height));
  if (!own || !bitmap) return false;
  const Selection selected(own.get(), bitmap.get());
  askToPrintInside(control.window, own.get());
  return BitBlt(canvas, at.x, at.y, width, height, own.get(), 0, 0, SRCCOPY) != FALSE;
}

bool drawInsides(HDC canvas, const std::vector<Shown>& shown, HRGN due, const RECT& bounds) {
  bool whole = true;
  for (const Shown& window : shown) {
    if (!RectInRegion(due, &window.visible)) continue;
    const int saved = SaveDC(canvas);
    RECT drawn = window.visible;
    OffsetRect(&drawn, -bounds.left, -bounds.top);
    IntersectClipRect(canvas, drawn.left, drawn.top, drawn.right, drawn.bottom);
    const POINT at{window.inside.left - bounds.left, window.inside.top - bounds.top};
    if (ofThisProgram(window.window)) {
      SetViewportOrgEx(canvas, at.x, at.y, nullptr);
      askToPrintInside(window.window, canvas);
    } else {
      whole = printControlApart(canvas, window, at) && whole;
    }
    RestoreDC(canvas, saved);
  }
  return whole;
}

bool copyInOne(HDC screen, const std::vector<Shown>& shown, HRGN due, const RECT& bounds) {
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  const MemoryDc memory(CreateCompatibleDC(screen));
  const Bitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  if (!memory || !bitmap) return false;
  const Selection canvas(memory.get(), bitmap.get());
  if (!drawInsides(memory.get(), shown, due, bounds)) return false;
  SelectClipRgn(screen, due);
  return BitBlt(screen, bounds.left, bounds.top, width, height, memory.get(), 0, 0, SRCCOPY) !=
         FALSE;
}

}  // namespace

bool paintDueInOneCopy(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  std::vector<Shown> shown;
  collectShown(window, window, client, shown);
  const Region due = dueRegion(shown, window);
  RECT bounds{};
  if (GetRgnBox(due.get(), &bounds) == NULLREGION) return true;

  // A text box's caret is drawn on the screen rather than into the bitmap: hidden while the
  // copy goes over it, then drawn again on top.
  const bool caretHidden = HideCaret(nullptr) != FALSE;
  // Children are drawn over, not clipped out: the bitmap holds them.
  const HDC screen = GetDCEx(window, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  const bool painted = copyInOne(screen, shown, due.get(), bounds);
  ReleaseDC(window, screen);
  if (caretHidden) ShowCaret(nullptr);
  if (!painted) return false;
  RedrawWindow(window, nullptr, nullptr, RDW_VALIDATE | RDW_ALLCHILDREN);
  return true;
}

std::vector<RECT> printedParts(HDC dc) {
  RECT clip{};
  if (GetClipBox(dc, &clip) <= NULLREGION) return {};
  return {clip};
}

}  // namespace vortalin::win32
