#include "dpi.h"

#include "handles.h"

namespace vortalin::win32 {

namespace {

// The per-monitor functions exist from Windows 10 on; looked up so that the program still
// starts on older systems, where every monitor has the system's density.
template <class Function>
Function* user32Function(const char* name) {
  const FARPROC address = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
}

int systemDpi() { return GetDeviceCaps(WindowDc(nullptr).get(), LOGPIXELSY); }

}  // namespace

int windowDpi(HWND window) {
  static const auto getDpiForWindow = user32Function<UINT WINAPI(HWND)>("GetDpiForWindow");
  if (getDpiForWindow != nullptr) {
    if (const UINT dpi = getDpiForWindow(window); dpi != 0) return static_cast<int>(dpi);
  }
  return systemDpi();
}

SIZE outerSize(SIZE inside, DWORD style, DWORD extendedStyle, int dpi) {
  static const auto adjustForDpi =
      user32Function<BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  RECT rect{0, 0, inside.cx, inside.cy};
  if (adjustForDpi != nullptr) {
    adjustForDpi(&rect, style, FALSE, extendedStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, extendedStyle);
  }
  return {rect.right - rect.left, rect.bottom - rect.top};
}

LOGFONTW messageFont(int dpi) {
  static const auto parametersForDpi =
      user32Function<BOOL WINAPI(UINT, UINT, void*, UINT, UINT)>("SystemParametersInfoForDpi");
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (parametersForDpi != nullptr && parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics,
                                                      &metrics, 0, static_cast<UINT>(dpi))) {
    return metrics.lfMessageFont;
  }
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, systemDpi());
  return metrics.lfMessageFont;
}

}  // namespace vortalin::win32
