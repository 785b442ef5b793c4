#include "window_class.h"

#include "startup_error.h"

namespace vortalin::win32 {

void registerWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  if (GetClassInfoExW(instance, className, &windowClass)) return;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = className;
  if (!RegisterClassExW(&windowClass)) {
    throw StartupError("cannot register the window class", GetLastError());
  }
}

}  // namespace vortalin::win32
