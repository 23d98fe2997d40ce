// An exclusive advisory lock on a lock file, so that the processes and
// threads that change one file take turns. Every holder opens the lock file
// afresh (flock on POSIX systems, LockFileEx on Windows), so two threads of
// one process exclude each other as two processes do. The lock dies with the
// process holding it: a process killed while holding it leaves the lock file
// behind, unlocked (Windows releases a dead process's locks itself, soon after
// the process ends). The lock file is never removed: removing it could let a
// second writer lock a new file while the first still holds the old one.
#pragma once

#include <chrono>
#include <filesystem>

namespace morv {

class FileLock {
 public:
  // Waits up to `patience` for the lock, making the lock file when it is
  // missing; held() says whether the lock was taken.
  FileLock(const std::filesystem::path& path, std::chrono::milliseconds patience);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool held() const { return held_; }

 private:
  bool held_ = false;
#if defined(_WIN32)
  void* handle_ = nullptr;
#else
  int fd_ = -1;
#endif
};

}  // namespace morv
