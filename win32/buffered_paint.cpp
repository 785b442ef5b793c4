#include "buffered_paint.h"

namespace vortalin::win32 {

namespace {

using Region = OwnedHandle<HRGN, DeleteObject>;

}  // namespace

BufferedPaint::BufferedPaint(HWND window) : window_(window) {
  const Region dirty(CreateRectRgn(0, 0, 0, 0));
  const int dirtyKind = GetUpdateRgn(window, dirty.get(), FALSE);
  const HDC screen = BeginPaint(window, &paint_);
  target_ = screen;
  if (dirtyKind == COMPLEXREGION) {
    collectParts(dirty.get());
  } else {
    parts_.push_back(paint_.rcPaint);
  }
  // A child far larger than its view (the course strip) paints only what shows.
  RECT visible{};
  GetClipBox(screen, &visible);
  std::erase_if(parts_, [&](RECT& part) { return !IntersectRect(&part, &part, &visible); });
  for (const RECT& part : parts_) UnionRect(&bounds_, &bounds_, &part);
  if (parts_.empty()) return;

  memory_.reset(CreateCompatibleDC(screen));
  bitmap_.reset(
      CreateCompatibleBitmap(screen, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top));
  // Without memory for the buffer, paint straight on the screen rather than not at all.
  if (!memory_ || !bitmap_) return;
  canvas_.emplace(memory_.get(), bitmap_.get());
  SetWindowOrgEx(memory_.get(), bounds_.left, bounds_.top, nullptr);
  target_ = memory_.get();
}

void BufferedPaint::collectParts(HRGN dirty) {
  std::vector<char> buffer(GetRegionData(dirty, 0, nullptr));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  if (buffer.empty() || !GetRegionData(dirty, static_cast<DWORD>(buffer.size()), data)) {
    parts_.push_back(paint_.rcPaint);
    return;
  }
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  parts_.assign(rects, rects + data->rdh.nCount);
}

BufferedPaint::~BufferedPaint() {
  if (target_ == memory_.get() && memory_) {
    for (const RECT& part : parts_) {
      BitBlt(paint_.hdc, part.left, part.top, part.right - part.left, part.bottom - part.top,
             memory_.get(), part.left, part.top, SRCCOPY);
    }
  }
  EndPaint(window_, &paint_);
}

}  // namespace vortalin::win32
