#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace vortalin::win32 {

/// Frees a handle with the given function when its owner goes.
template <auto Free>
struct HandleDeleter {
  template <class Handle>
  void operator()(Handle handle) const {
    Free(handle);
  }
};

template <class Handle, auto Free>
using OwnedHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleDeleter<Free>>;

using Font = OwnedHandle<HFONT, DeleteObject>;
using Bitmap = OwnedHandle<HBITMAP, DeleteObject>;
using Brush = OwnedHandle<HBRUSH, DeleteObject>;
using Icon = OwnedHandle<HICON, DestroyIcon>;
using MemoryDc = OwnedHandle<HDC, DeleteDC>;
using KernelHandle = OwnedHandle<HANDLE, CloseHandle>;
using Hook = OwnedHandle<HHOOK, UnhookWindowsHookEx>;

/// A device context of a window's inside (or with `whole`, of all of it, frame included),
/// released when it goes. A null window stands for the screen.
class WindowDc {
 public:
  explicit WindowDc(HWND window, bool whole = false)
      : window_(window), dc_(whole ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDc() { ReleaseDC(window_, dc_); }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

/// Selects an object into a device context and puts the previous one back when it goes.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace vortalin::win32
