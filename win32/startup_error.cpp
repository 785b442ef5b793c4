#include "startup_error.h"

#include <windows.h>

#include <cstdio>

#include "text.h"
#include "vortalin/identity.h"

namespace vortalin::win32 {

std::string withErrorCode(const std::string& what, unsigned long code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08lX", code);
  return what + " (" + hex + ")";
}

void tellFailure(const std::string& message) {
  MessageBoxW(nullptr, toUtf16(message).c_str(), toUtf16(identity::name).c_str(),
              MB_OK | MB_ICONERROR);
}

StartupError::StartupError(const std::string& what, unsigned long code)
    : std::runtime_error(withErrorCode(what, code)) {}

void checkResult(long result, const char* what) {
  if (result < 0) throw StartupError(what, static_cast<unsigned long>(result));
}

}  // namespace vortalin::win32
