#include "startup_error.h"

#include <cstdio>

namespace vortalin::win32 {

namespace {

std::string withCode(const std::string& what, unsigned long code) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "0x%08lX", code);
  return what + " (" + hex + ")";
}

}  // namespace

StartupError::StartupError(const std::string& what, unsigned long code)
    : std::runtime_error(withCode(what, code)) {}

void checkResult(long result, const char* what) {
  if (result < 0) throw StartupError(what, static_cast<unsigned long>(result));
}

}  // namespace vortalin::win32
