#include "durable_file.h"

#include <algorithm>
#include <atomic>
#include <string>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace morv {
namespace {

#if defined(_WIN32)
unsigned long processId() { return GetCurrentProcessId(); }
#else
unsigned long processId() { return static_cast<unsigned long>(getpid()); }
#endif

// A name no other writer uses at the same time: this process, this write.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
  static std::atomic<unsigned long> writes{0};
  std::filesystem::path temporary = target;
  temporary += ".tmp-" + std::to_string(processId()) + "-" + std::to_string(++writes);
  return temporary;
}

#if defined(_WIN32)

bool writeAndFlush(const std::filesystem::path& temporary, std::string_view contents) {
  HANDLE file = CreateFileW(temporary.wstring().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  size_t done = 0;
  while (ok && done < contents.size()) {
    DWORD written = 0;
    const DWORD piece = static_cast<DWORD>(std::min<size_t>(contents.size() - done, 1 << 20));
    ok = WriteFile(file, contents.data() + done, piece, &written, nullptr) && written > 0;
    done += written;
  }
  ok = ok && FlushFileBuffers(file);
  return CloseHandle(file) && ok;
}

// A reader that has the old file open without FILE_SHARE_DELETE holds the
// rename off; readers are brief, so the rename is tried for a while.
bool moveOver(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (MoveFileExW(temporary.wstring().c_str(), target.wstring().c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    const DWORD error = GetLastError();
    if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) return false;
    Sleep(10);
  }
  return false;
}

#else

bool writeAll(int fd, std::string_view contents) {
  size_t done = 0;
  while (done < contents.size()) {
    const ssize_t written = ::write(fd, contents.data() + done, contents.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  return true;
}

bool writeAndFlush(const std::filesystem::path& temporary, std::string_view contents,
                   const std::filesystem::path& target) {
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  // The new file keeps the permissions of the one it replaces.
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) static_cast<void>(::fchmod(fd, old.st_mode & 07777));
  const bool ok = writeAll(fd, contents) && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

bool moveOver(const std::filesystem::path& temporary, const std::filesystem::path& target) {
  if (::rename(temporary.c_str(), target.c_str()) != 0) return false;
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  // Some file systems cannot flush a folder (EINVAL); the rename stands.
  const bool flushed = ::fsync(fd) == 0 || errno == EINVAL;
  ::close(fd);
  return flushed;
}

#endif

}  // namespace

std::filesystem::path resolvedTarget(const std::filesystem::path& target) {
  std::error_code error;
  if (!std::filesystem::is_symlink(target, error)) return target;
  const std::filesystem::path resolved = std::filesystem::canonical(target, error);
  return error ? target : resolved;
}

bool replaceFileDurably(const std::filesystem::path& target, std::string_view contents) {
  const std::filesystem::path destination = resolvedTarget(target);
  const std::filesystem::path temporary = temporaryPathFor(destination);
#if defined(_WIN32)
  const bool written = writeAndFlush(temporary, contents);
#else
  const bool written = writeAndFlush(temporary, contents, destination);
#endif
  if (written && moveOver(temporary, destination)) return true;
  std::error_code ignored;
  std::filesystem::remove(temporary, ignored);
  return false;
}

}  // namespace morv
