// What every write into a folder does first: it waits for any other run of ours writing
// there, then clears what a killed run left behind.
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <random>
#include <utility>

#include "platform/fileioparts.h"

#ifdef VANDRELL_POSIX_FILES
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>

namespace platform::fileio_parts {

namespace {

bool IsAlnum(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// A random tail of `kTemporaryTailLength` letters and digits; the first is a digit, so that
// every name we make is told from a user's ".notes.backup".
std::string RandomTail() {
  static const char kLetters[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  static thread_local std::minstd_rand random(std::random_device{}());
  std::string tail;
  tail += kLetters[random() % 10];
  while (tail.size() < kTemporaryTailLength) tail += kLetters[random() % (sizeof kLetters - 1)];
  return tail;
}

// Folders this process has locked, so that a write inside another write into the same
// folder shares the lock instead of waiting for itself.
struct HeldFolder {
  int fd = -1;
  int users = 0;
};
std::mutex& HeldFoldersMutex() {
  static std::mutex m;
  return m;
}
std::map<std::pair<dev_t, ino_t>, HeldFolder>& HeldFolders() {
  static std::map<std::pair<dev_t, ino_t>, HeldFolder> held;
  return held;
}

bool OlderThan(const struct stat& st, const timespec& t) {
  return st.st_mtim.tv_sec < t.tv_sec || (st.st_mtim.tv_sec == t.tv_sec && st.st_mtim.tv_nsec < t.tv_nsec);
}

// A kit folder being made, or the one it replaced: every file in it is ours or has another
// name (the user's files are linked into the new folder); a folder inside keeps it.
void RemoveStagingFolder(int parent, const char* name) {
  const int fd = ::openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    ::close(fd);
    return;
  }
  while (const dirent* entry = ::readdir(dir)) {
    struct stat st;
    if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISDIR(st.st_mode))
      ::unlinkat(fd, entry->d_name, 0);
  }
  ::closedir(dir);
  ::unlinkat(parent, name, AT_REMOVEDIR);  // fails, rightly, when something is left
}

}  // namespace

std::string TemporaryName(const std::string& folder, const std::string& name) {
  return folder + "." + name.substr(0, 200) + "." + RandomTail();
}

std::string StagingFolderName(const std::string& parent, const std::string& name) {
  return parent + "." + name.substr(0, 200) + ".kit-" + RandomTail();
}

TemporaryKind KindOfTemporary(const std::string& name, bool folder, bool nameExists) {
  if (name.size() < 3 || name[0] != '.') return TemporaryKind::None;
  const std::size_t dot = name.find_last_of('.');
  if (folder) {
    const std::size_t kit = name.rfind(".kit-");
    if (kit == std::string::npos || kit == 0 || name.size() - kit - 5 != kTemporaryTailLength) return TemporaryKind::None;
    if (name[kit + 5] < '0' || name[kit + 5] > '9') return TemporaryKind::None;  // ours start with a digit
    for (std::size_t i = kit + 5; i < name.size(); ++i)
      if (!IsAlnum(name[i])) return TemporaryKind::None;
    return TemporaryKind::StagingFolder;
  }
  // The hidden names an earlier kit writer used.
  if (name.size() > 6 && name.compare(name.size() - 5, 5, ".kit~") == 0) return TemporaryKind::File;
  if (dot == 0 || name.size() - dot - 1 != kTemporaryTailLength) return TemporaryKind::None;
  const std::string target = name.substr(1, dot - 1);
  // Our outputs all have an extension; a user's ".bash_history.Backup" has none.
  if (target.find('.') == std::string::npos) return TemporaryKind::None;
  bool digit = false;
  for (std::size_t i = dot + 1; i < name.size(); ++i) {
    if (!IsAlnum(name[i])) return TemporaryKind::None;
    digit = digit || (name[i] >= '0' && name[i] <= '9');
  }
  // Older temporaries' tails had no digit at times: those of a file that is there count.
  return digit || nameExists ? TemporaryKind::File : TemporaryKind::None;
}

void RemoveStaleTemporaries(int folderFd, const timespec& before) {
  const int fd = ::dup(folderFd);
  if (fd < 0) return;
  DIR* dir = ::fdopendir(fd);
  if (!dir) {
    ::close(fd);
    return;
  }
  std::vector<std::pair<std::string, bool>> stale;  // name, a folder
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] != '.') continue;  // the quick way out for nearly every name
    struct stat st;
    if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    const bool folder = S_ISDIR(st.st_mode);
    if (!folder && !S_ISREG(st.st_mode)) continue;
    const std::string name = entry->d_name;
    const std::size_t dot = name.find_last_of('.');
    struct stat target;
    const bool targetThere = dot > 1 && ::fstatat(fd, name.substr(1, dot - 1).c_str(), &target, AT_SYMLINK_NOFOLLOW) == 0;
    if (KindOfTemporary(name, folder, targetThere) != TemporaryKind::None && OlderThan(st, before))
      stale.emplace_back(name, folder);
  }
  for (const auto& [name, folder] : stale) {
    if (folder) RemoveStagingFolder(fd, name.c_str());
    else ::unlinkat(fd, name.c_str(), 0);
  }
  ::closedir(dir);
}

FolderLock::FolderLock(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    ::close(fd);
    return;
  }
  key_ = {st.st_dev, st.st_ino};
  {
    std::lock_guard<std::mutex> guard(HeldFoldersMutex());
    auto it = HeldFolders().find(key_);
    if (it != HeldFolders().end()) {
      ++it->second.users;
      ::close(fd);
      fd_ = it->second.fd;
      shared_ = true;
      return;
    }
  }
  // Another run writing into this folder is waited for; a file system without locks
  // (some network ones) still writes, only clears nothing.
  int rc;
  do rc = ::flock(fd, LOCK_EX);
  while (rc != 0 && errno == EINTR);
  if (rc != 0) {
    ::close(fd);
    return;
  }
  std::lock_guard<std::mutex> guard(HeldFoldersMutex());
  HeldFolder& held = HeldFolders()[key_];
  if (held.users > 0) {  // another thread of ours took it meanwhile: share that one
    ++held.users;
    ::close(fd);
    fd_ = held.fd;
    shared_ = true;
    return;
  }
  held = HeldFolder{fd, 1};
  fd_ = fd;
}

FolderLock::~FolderLock() {
  if (fd_ < 0) return;
  std::lock_guard<std::mutex> guard(HeldFoldersMutex());
  auto it = HeldFolders().find(key_);
  if (it == HeldFolders().end() || --it->second.users > 0) return;
  ::close(it->second.fd);  // the lock goes with the last descriptor
  HeldFolders().erase(it);
}

}  // namespace platform::fileio_parts

#endif
