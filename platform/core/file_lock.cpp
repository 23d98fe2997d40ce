#include "file_lock.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#endif

namespace morv {
namespace {

constexpr std::chrono::milliseconds kRetryPause(2);

// Tries `attempt` until it succeeds, says to stop, or `patience` runs out.
template <typename Attempt>
bool retryFor(std::chrono::milliseconds patience, Attempt attempt) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  for (;;) {
    bool retry = false;
    if (attempt(retry)) return true;
    if (!retry || std::chrono::steady_clock::now() >= deadline) return false;
#if defined(_WIN32)
    Sleep(static_cast<DWORD>(kRetryPause.count()));
#else
    std::this_thread::sleep_for(kRetryPause);
#endif
  }
}

}  // namespace

#if defined(_WIN32)

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds patience) {
  HANDLE file = CreateFileW(path.wstring().c_str(), GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  handle_ = file;
  held_ = retryFor(patience, [file](bool& retry) {
    OVERLAPPED start{};
    if (LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &start))
      return true;
    retry = GetLastError() == ERROR_LOCK_VIOLATION || GetLastError() == ERROR_IO_PENDING;
    return false;
  });
}

FileLock::~FileLock() {
  if (handle_ == nullptr) return;
  OVERLAPPED start{};
  if (held_) UnlockFileEx(handle_, 0, 1, 0, &start);
  CloseHandle(handle_);
}

#else

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds patience) {
  fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  // A lock file made by another user may be read-only to us; it locks as well.
  if (fd_ < 0 && errno == EACCES) fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return;
  held_ = retryFor(patience, [this](bool& retry) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) return true;
    retry = errno == EWOULDBLOCK || errno == EINTR;
    return false;
  });
}

// Closing the lock file's only descriptor releases the lock.
FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);
}

#endif

}  // namespace morv
