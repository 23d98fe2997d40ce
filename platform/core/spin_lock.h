// A minimal lock for the platform core's shared state. The Windows toolchain's
// standard library has no std::mutex in its win32 thread model, and the state
// is only ever held for a few instructions.
#pragma once

#include <atomic>
#include <thread>

namespace morv {

class SpinLock {
 public:
  void lock() {
    while (flag_.test_and_set(std::memory_order_acquire)) std::this_thread::yield();
  }
  void unlock() { flag_.clear(std::memory_order_release); }

 private:
  std::atomic_flag flag_ = ATOMIC_FLAG_INIT;
};

class LockGuard {
 public:
  explicit LockGuard(SpinLock& lock) : lock_(lock) { lock_.lock(); }
  ~LockGuard() { lock_.unlock(); }
  LockGuard(const LockGuard&) = delete;
  LockGuard& operator=(const LockGuard&) = delete;

 private:
  SpinLock& lock_;
};

}  // namespace morv
