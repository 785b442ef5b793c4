#pragma once

// GoogleTest's customisation point, for MinGW-w64's win32 thread model, whose libstdc++
// (GCC 12) has no std::mutex or std::condition_variable. GoogleTest needs them only for
// its Notification, which it uses to start threads of its own tests: one without them.
#include <atomic>
#include <thread>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  void Notify() { notified_.store(true); }
  void WaitForNotification() {
    while (!notified_.load()) std::this_thread::yield();
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
