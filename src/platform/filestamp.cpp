#include "platform/filestamp.h"

#include <chrono>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/stat.h>
#define VANDRELL_POSIX_STAMP 1
#else
#include <filesystem>
#endif

namespace platform {

#ifdef VANDRELL_POSIX_STAMP

namespace {
std::int64_t Ns(const struct timespec& t) { return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec; }
}  // namespace
#if defined(__APPLE__)
#define VANDRELL_MTIME(st) Ns((st).st_mtimespec)
#define VANDRELL_CTIME(st) Ns((st).st_ctimespec)
#else
#define VANDRELL_MTIME(st) Ns((st).st_mtim)
#define VANDRELL_CTIME(st) Ns((st).st_ctim)
#endif

std::optional<FileStamp> StampOfFile(const std::string& path) {
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  FileStamp s;
  s.device = static_cast<std::uint64_t>(st.st_dev);
  s.inode = static_cast<std::uint64_t>(st.st_ino);
  s.size = static_cast<std::uint64_t>(st.st_size);
  s.modifiedNs = VANDRELL_MTIME(st);
  s.changedNs = VANDRELL_CTIME(st);
  return s;
}

#else

std::optional<FileStamp> StampOfFile(const std::string& path) {
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
  FileStamp s;
  s.size = std::filesystem::file_size(path, error);
  if (error) return std::nullopt;
  const auto written = std::filesystem::last_write_time(path, error);
  if (error) return std::nullopt;
  const auto since = std::chrono::file_clock::to_sys(written).time_since_epoch();
  s.modifiedNs = std::chrono::duration_cast<std::chrono::nanoseconds>(since).count();
  return s;
}

#endif

std::int64_t FileClockNowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace platform
