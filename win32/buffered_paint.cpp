#include "buffered_paint.h"

namespace vortalin::win32 {

BufferedPaint::BufferedPaint(HWND window) : window_(window) {
  const HDC screen = BeginPaint(window, &paint_);
  target_ = screen;
  // A child far larger than its view (the course strip) is asked to paint only what shows.
  RECT visible{};
  GetClipBox(screen, &visible);
  IntersectRect(&area_, &paint_.rcPaint, &visible);
  if (empty()) return;
  memory_.reset(CreateCompatibleDC(screen));
  bitmap_.reset(CreateCompatibleBitmap(screen, area_.right - area_.left, area_.bottom - area_.top));
  // Without memory for the buffer, paint straight on the screen rather than not at all.
  if (!memory_ || !bitmap_) return;
  previousBitmap_ = SelectObject(memory_.get(), bitmap_.get());
  SetWindowOrgEx(memory_.get(), area_.left, area_.top, nullptr);
  target_ = memory_.get();
}

BufferedPaint::~BufferedPaint() {
  if (target_ == memory_.get() && memory_) {
    BitBlt(paint_.hdc, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top,
           memory_.get(), area_.left, area_.top, SRCCOPY);
    SelectObject(memory_.get(), previousBitmap_);
  }
  EndPaint(window_, &paint_);
}

}  // namespace vortalin::win32
