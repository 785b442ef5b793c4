#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "handles.h"

namespace vortalin::win32 {

/// The painting of one WM_PAINT: drawing goes to a memory bitmap, in the window's own
/// coordinates, and only the dirty parts that show are drawn and copied to the screen, each
/// in one copy at the end, so nothing flickers.
class BufferedPaint {
 public:
  explicit BufferedPaint(HWND window);
  ~BufferedPaint();
  BufferedPaint(const BufferedPaint&) = delete;
  BufferedPaint& operator=(const BufferedPaint&) = delete;

  HDC dc() const { return target_; }
  /// The rectangles to paint, in the window's coordinates: after a box has moved over the
  /// course strip, a band uncovered at each edge rather than all between them.
  const std::vector<RECT>& parts() const { return parts_; }

 private:
  void collectParts(HRGN dirty);

  HWND window_;
  PAINTSTRUCT paint_{};
  std::vector<RECT> parts_;
  RECT bounds_{};
  HDC target_ = nullptr;
  MemoryDc memory_;
  Bitmap bitmap_;
  std::optional<Selection> canvas_;  // the bitmap in the memory DC, until both go
};

}  // namespace vortalin::win32
