#pragma once
// What tells whether a file changed since it was last read, without reading it: a file
// replaced, grown or touched has another stamp.
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct FileStamp {
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedNs = 0;  // last change of the contents, ns since the epoch
  std::int64_t changedNs = 0;   // last change of the contents or the entry (0 where unknown)
  bool operator==(const FileStamp&) const = default;
};

// The stamp of the regular file at `path` (links followed); nothing for anything else.
std::optional<FileStamp> StampOfFile(const std::string& path);

// The clock file stamps are taken on, ns since the epoch.
std::int64_t FileClockNowNs();

}  // namespace platform
