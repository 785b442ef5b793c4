#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

namespace vortalin::qt::test {

/// Resident memory of this process in bytes, from /proc/self/statm.
inline std::int64_t residentBytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t sizePages = 0;
  std::int64_t residentPages = 0;
  statm >> sizePages >> residentPages;
  return residentPages * sysconf(_SC_PAGESIZE);
}

/// How many file descriptors this process holds open.
inline int openFileCount() {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    ++count;
  }
  return count;
}

inline double mebibytes(std::int64_t bytes) { return static_cast<double>(bytes) / (1 << 20); }

/// AddressSanitizer keeps freed blocks in quarantine, so resident memory grows there
/// without a leak; its leak checker covers that build instead.
inline constexpr bool residentMemoryIsMeaningful =
#if defined(__SANITIZE_ADDRESS__)
    false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    false;
#else
    true;
#endif
#else
    true;
#endif

}  // namespace vortalin::qt::test
