#pragma once

#include <stdexcept>
#include <string>

namespace vortalin::win32 {

/// Something the window needs could not be made: the program says so and ends.
class StartupError : public std::runtime_error {
 public:
  /// `what` in UTF-8; `code` is the failing call's error or HRESULT.
  StartupError(const std::string& what, unsigned long code);
  /// `what` in UTF-8, for a fault that no call reported.
  explicit StartupError(const std::string& what) : std::runtime_error(what) {}
};

/// Throws a StartupError for a failed COM call.
void checkResult(long result, const char* what);

/// `what` (UTF-8) with the failing call's error or HRESULT, as the player is told it.
std::string withErrorCode(const std::string& what, unsigned long code);

/// Tells the player in a message box why the program has to end (UTF-8).
void tellFailure(const std::string& message);

}  // namespace vortalin::win32
