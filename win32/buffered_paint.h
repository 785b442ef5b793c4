#pragma once

#include <windows.h>

#include "handles.h"

namespace vortalin::win32 {

/// The painting of one WM_PAINT: drawing goes to a memory bitmap of the dirty part that is
/// visible, in the window's own coordinates, and reaches the screen in one copy at the end,
/// so nothing flickers.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND window);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;

  HDC dc() const { return target_; }
  /// The part to paint, in the window's coordinates.
  const RECT& area() const { return area_; }
  bool empty() const { return IsRectEmpty(&area_) != FALSE; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  RECT area_{};
  HDC target_ = nullptr;
  MemoryDc memory_;
  Bitmap bitmap_;
  HGDIOBJ previousBitmap_ = nullptr;
};

}  // namespace vortalin::win32
