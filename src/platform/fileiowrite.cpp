// Writing whole files atomically, one at a time or as a set: through a temporary file in
// the target's folder, flushed to disk, then renamed over the target (or, for a new file on
// Linux, an unnamed file linked to its name).
#include <algorithm>
#include <cerrno>
#include <vector>

#include "platform/fileio.h"
#include "platform/fileioparts.h"

#ifdef VANDRELL_POSIX_FILES
#include <fcntl.h>
#include <cstdio>
#include <memory>
#endif

// Linux writes a new file as an unnamed one in its folder and gives it its name when it is
// complete: no temporary name to create and rename, and nothing left behind by a crash.
#if defined(VANDRELL_POSIX_FILES) && defined(__linux__) && defined(O_TMPFILE)
#define VANDRELL_UNNAMED_FILES 1
#endif

namespace platform {

using namespace fileio_parts;

namespace {

#ifdef VANDRELL_POSIX_FILES

// Every step that gives a file a name goes through these two, where a test can make it fail.
bool NamingFails() {
  NamingFault& fault = InjectedNamingFault();
  if (!fault.active || fault.tried++ != fault.afterNames) return false;
  errno = fault.systemError;
  return true;
}
int LinkName(const char* from, const char* to, int flags) {
  return NamingFails() ? -1 : ::linkat(AT_FDCWD, from, AT_FDCWD, to, flags);
}
int RenameName(const char* from, const char* to) { return NamingFails() ? -1 : ::rename(from, to); }

mode_t NewFileMode() {
  // The umask can only be read by setting it; read once, at the first save.
  static const mode_t mask = [] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
  }();
  return 0666 & ~mask;
}

// Follows symbolic links from `path` to the file they lead to (which need not exist yet),
// and looks at that: `found` false with `errno` set when it is not there or cannot be seen.
bool ResolveLinks(const std::string& path, std::string& target, struct stat& st, bool& found, int& systemError) {
  target = path;
  for (int hop = 0; hop < 40; ++hop) {
    found = ::lstat(target.c_str(), &st) == 0;
    if (!found || !S_ISLNK(st.st_mode)) return true;
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink(target.c_str(), buffer.data(), buffer.size());
    if (n < 0 || static_cast<std::size_t>(n) >= buffer.size()) {
      systemError = n < 0 ? errno : ENAMETOOLONG;
      return false;
    }
    const std::string link(buffer.data(), static_cast<std::size_t>(n));
    target = link.front() == '/' ? link : FolderPart(target) + link;
  }
  systemError = ELOOP;
  return false;
}

bool WriteAll(int fd, std::string_view contents, int& systemError) {
  std::size_t done = 0;
  WriteFault& fault = InjectedFault();
  while (done < contents.size()) {
    std::size_t chunk = contents.size() - done;
    if (fault.active) {
      if (fault.written >= fault.afterBytes) {
        systemError = fault.systemError;
        return false;
      }
      chunk = std::min(chunk, fault.afterBytes - fault.written);
    }
    const ssize_t n = ::write(fd, contents.data() + done, chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      systemError = n < 0 ? errno : EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
    if (fault.active) fault.written += static_cast<std::size_t>(n);
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: some file systems refuse it for folders
  ::close(fd);
}

// A file marked read-only: no write permission for anyone (the superuser passes every other
// check), or none for this user.
bool ReadOnlyFile(const std::string& path, const struct stat& st) {
  if ((st.st_mode & 0222) == 0) return true;
  return ::access(path.c_str(), W_OK) != 0 && errno == EACCES;
}

// A file on its way to its name: where its links lead, what it replaces, and the
// temporary file that holds it meanwhile (removed with the object unless it took the name).
struct Staged {
  std::string target;
  std::string folder;  // with its separator, "" for the current folder
  bool replacing = false;
  struct stat old {};
  std::string temp;
  int unnamed = -1;    // an unnamed file holding the contents, instead of `temp`
  bool named = false;  // the new contents have the target's name
  std::string kept;    // the file it replaced, under a temporary name until the set is whole
  bool lost = false;   // it replaced a file that could not be kept (a disk without hard links)

  Staged() = default;
  Staged(const Staged&) = delete;
  Staged& operator=(const Staged&) = delete;
  ~Staged() {
    Discard();
    Finish();
  }
  void Discard() {
    if (!temp.empty()) ::unlink(temp.c_str());
    temp.clear();
    CloseUnnamed();  // an unnamed file vanishes with its last descriptor
  }
  int CloseUnnamed() {
    const int rc = unnamed >= 0 ? ::close(unnamed) : 0;
    unnamed = -1;
    return rc;
  }
  // The set is whole: the replaced file goes.
  void Finish() {
    if (!kept.empty()) ::unlink(kept.c_str());
    kept.clear();
  }
  // The set failed: the name goes back to the file it held before, or to nothing.
  bool TakeBack() {
    if (!named) return true;
    if (lost) return false;  // the earlier file is gone: the new one is better than none
    const bool ok = kept.empty() ? ::unlink(target.c_str()) == 0 : ::rename(kept.c_str(), target.c_str()) == 0;
    if (ok) {
      kept.clear();
      named = false;
    }
    return ok;
  }
  std::string Name() const { return target.substr(folder.size()); }
};

// Looks at the path: only a regular file, or nothing yet, may be replaced; a read-only one
// only when the user said so.
FileOutcome Stage(const std::string& path, Staged& f, ReadOnlyFiles readOnly) {
  if (path.empty()) return Failure(ENOENT);
  int systemError = 0;
  if (!ResolveLinks(path, f.target, f.old, f.replacing, systemError)) return Failure(systemError);
  if (!f.replacing && errno != ENOENT) return Failure(errno);
  if (f.replacing && !S_ISREG(f.old.st_mode)) return Refusal(FileProblem::NotAFile, KindOfMode(f.old.st_mode));
  if (f.replacing && readOnly == ReadOnlyFiles::Refuse && ReadOnlyFile(f.target, f.old))
    return Refusal(FileProblem::ReadOnly, FileKind::Regular);
  f.folder = FolderPart(f.target);
  return FileOutcome{};
}

// Gives the file a fresh temporary name in its folder with `name(from, to)`; false with
// errno set when none could be had.
template <class Naming>
bool TakeTemporaryName(const Staged& f, std::string& temp, Naming name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = TemporaryName(f.folder, f.Name());
    if (name(candidate.c_str()) == 0) {
      temp = candidate;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

// The mode of the file it replaces (and, where allowed, its owner and group), or that of
// any new file.
void GiveMode(const Staged& f, int fd) {
  if (f.replacing) {
    const bool ownerKept = ::fchown(fd, f.old.st_uid, f.old.st_gid) == 0;
    (void)ownerKept;  // a file of someone else's becomes the writer's, as a new one would
    ::fchmod(fd, f.old.st_mode & 07777);
  } else {
    ::fchmod(fd, NewFileMode());
  }
}

#ifdef VANDRELL_UNNAMED_FILES
// Naming an unnamed file goes through its entry in /proc, which a chroot may lack.
bool CanNameUnnamedFiles() {
  static const bool can = ::access("/proc/self/fd", X_OK) == 0;
  return can;
}

// The contents in an unnamed file in the target's folder, with its mode. False where the
// file system has no unnamed files: the caller then takes a temporary name, which meets the
// same refusals as any other file.
bool WriteUnnamed(Staged& f, std::string_view contents, bool flush, FileOutcome& outcome) {
  const int fd = ::open(f.folder.empty() ? "." : f.folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  f.unnamed = fd;
  int systemError = 0;
  bool ok = WriteAll(fd, contents, systemError);
  if (ok) GiveMode(f, fd);
  if (ok && flush && ::fsync(fd) != 0) {
    systemError = errno;
    ok = false;
  }
  if (!ok) {
    f.Discard();
    outcome = Failure(systemError);
  }
  return true;
}

// A new file takes the target's name straight away. A replacement (or a new file whose
// name was taken meanwhile) takes a temporary name only now, which is renamed over the
// target at once: a kill leaves a temporary file only in that instant, and the next write
// into the folder clears it.
FileOutcome NameUnnamed(Staged& f) {
  char self[64];
  std::snprintf(self, sizeof self, "/proc/self/fd/%d", f.unnamed);
  if (!f.replacing) {
    if (LinkName(self, f.target.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      f.CloseUnnamed();  // flushed before it was named: a late close error has nothing to lose
      f.named = true;
      return FileOutcome{};
    }
    if (errno != EEXIST) {
      const int error = errno;
      f.Discard();
      return Failure(error);
    }
  }
  const bool ok = TakeTemporaryName(f, f.temp, [&](const char* temp) { return LinkName(self, temp, AT_SYMLINK_FOLLOW); });
  const int error = errno;
  f.CloseUnnamed();
  if (!ok) return Failure(error);
  return FileOutcome{};
}
#endif

// The contents in a temporary file beside the target, with the mode of the file it
// replaces; flushed to disk when `flush`. It may be an unnamed one instead (`allowUnnamed`:
// each holds a descriptor until it is named).
FileOutcome WriteTemporary(Staged& f, std::string_view contents, bool flush, bool allowUnnamed = true) {
#ifdef VANDRELL_UNNAMED_FILES
  FileOutcome unnamed;
  if (allowUnnamed && CanNameUnnamedFiles() && WriteUnnamed(f, contents, flush, unnamed)) return unnamed;
#else
  (void)allowUnnamed;
#endif
  int opened = -1;
  if (!TakeTemporaryName(f, f.temp, [&](const char* temp) {
        opened = ::open(temp, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        return opened < 0 ? -1 : 0;
      }))
    return Failure(errno);
  Descriptor fd(opened);

  int systemError = 0;
  bool ok = WriteAll(fd.get(), contents, systemError);
  if (ok && flush && ::fsync(fd.get()) != 0) {
    systemError = errno;
    ok = false;
  }
  if (ok) GiveMode(f, fd.get());
  if (fd.Close() != 0 && ok) {
    systemError = errno;
    ok = false;
  }
  if (ok) return FileOutcome{};
  f.Discard();
  return Failure(systemError);
}

// A file system without hard links (FAT on a memory stick): a set replacing files there
// cannot keep the files it replaces, and is then all or nothing only up to its naming.
bool HasNoHardLinks(int systemError) {
  return systemError == EPERM || systemError == ENOTSUP || systemError == EOPNOTSUPP || systemError == EMLINK;
}

// The new contents take the target's name, unless a folder or device has been put in its
// place meanwhile. With `keepOld`, the file replaced stays under a temporary name, so that
// the set can be taken back.
FileOutcome Commit(Staged& f, bool keepOld) {
  FileOutcome outcome;
  outcome.kind = FileKind::Regular;
#ifdef VANDRELL_UNNAMED_FILES
  if (f.unnamed >= 0) {
    outcome = NameUnnamed(f);
    if (!outcome.ok()) return outcome;
    outcome.kind = FileKind::Regular;
    if (f.named) return outcome;
  }
#endif
  struct stat now;
  const bool there = ::lstat(f.target.c_str(), &now) == 0;
  if (there && !S_ISREG(now.st_mode)) {
    outcome = Refusal(FileProblem::NotAFile, KindOfMode(now.st_mode));
  } else if (there && keepOld &&
             !TakeTemporaryName(f, f.kept, [&](const char* kept) { return ::link(f.target.c_str(), kept); }) &&
             !HasNoHardLinks(errno)) {
    outcome = Failure(errno);
  } else if (RenameName(f.temp.c_str(), f.target.c_str()) != 0) {
    outcome = Failure(errno);
    f.Finish();
  } else {
    f.temp.clear();
    f.named = true;
    f.lost = there && keepOld && f.kept.empty();
    return outcome;
  }
  f.Discard();
  return outcome;
}

#if defined(__linux__)
// One flush of the whole file system for a set of files, instead of one per file.
constexpr bool kFlushEachFile = false;
bool FlushFileSystemOf(const std::string& folder, int& systemError) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    systemError = errno;
    return false;
  }
  const bool ok = ::syncfs(fd) == 0;
  if (!ok) systemError = errno;
  ::close(fd);
  return ok;
}
#else
constexpr bool kFlushEachFile = true;
bool FlushFileSystemOf(const std::string&, int&) { return true; }
#endif

timespec Now() {
  timespec t{};
  ::clock_gettime(CLOCK_REALTIME, &t);
  return t;
}

// The folders' locks, taken in one order by every run so that two never wait for each
// other; each folder first cleared of what a killed run left.
std::vector<std::unique_ptr<FolderLock>> LockFolders(std::vector<std::string> folders, const timespec& start) {
  std::sort(folders.begin(), folders.end());
  folders.erase(std::unique(folders.begin(), folders.end()), folders.end());
  std::vector<std::unique_ptr<FolderLock>> locks;
  for (const std::string& folder : folders) {
    locks.push_back(std::make_unique<FolderLock>(folder));
    if (locks.back()->Alone()) RemoveStaleTemporaries(locks.back()->fd(), start);
  }
  return locks;
}

#endif

}  // namespace

#ifdef VANDRELL_POSIX_FILES

FileOutcome fileio_parts::WriteFileOnce(const std::string& path, std::string_view contents, ReadOnlyFiles readOnly) {
  const timespec start = Now();
  Staged f;
  FileOutcome outcome = Stage(path, f, readOnly);
  if (!outcome.ok()) return outcome;
  const auto locks = LockFolders({f.folder}, start);
  outcome = WriteTemporary(f, contents, true);
  if (outcome.ok()) outcome = Commit(f, false);
  if (outcome.ok()) SyncFolder(f.folder);
  return outcome;
}

SetWriteOutcome fileio_parts::WriteFilesOnce(const std::vector<FileToWrite>& files, SetWriteMode mode, ReadOnlyFiles readOnly) {
  const timespec start = Now();
  SetWriteOutcome r;
  r.failed = files.size();
  std::vector<Staged> staged(files.size());
  // A path that cannot be written is found before anything is.
  for (std::size_t i = 0; i < files.size() && r.failed == files.size(); ++i) {
    r.outcome = Stage(files[i].path, staged[i], readOnly);
    if (!r.outcome.ok()) r.failed = i;
  }
  const bool allOrNothing = mode == SetWriteMode::AllOrNothing;
  // The files that may take their names: those before a failure, or none.
  const auto committable = [&]() -> std::size_t { return allOrNothing && r.failed < files.size() ? 0 : r.failed; };
  std::vector<std::string> folders;
  for (std::size_t i = 0; i < committable(); ++i) folders.push_back(staged[i].folder);
  const auto locks = LockFolders(folders, start);
  // Unnamed files stay open until they are named: a few hundred, well within any limit.
  constexpr std::size_t kMostUnnamed = 256;
  for (std::size_t i = 0; i < committable(); ++i) {
    const FileOutcome written = WriteTemporary(staged[i], files[i].contents, kFlushEachFile, i < kMostUnnamed);
    if (!written.ok()) {
      r.outcome = written;
      r.failed = i;
    }
  }
  std::size_t keep = committable();
  folders.clear();
  for (std::size_t i = 0; i < keep; ++i)
    if (std::find(folders.begin(), folders.end(), staged[i].folder) == folders.end()) folders.push_back(staged[i].folder);
  for (const std::string& folder : folders) {
    int systemError = 0;
    if (!FlushFileSystemOf(folder, systemError)) {
      r.outcome = Failure(systemError);
      r.failed = keep = 0;
      break;
    }
  }
  for (std::size_t i = 0; i < keep; ++i) {
    const FileOutcome committed = Commit(staged[i], allOrNothing);
    if (!committed.ok()) {
      r.outcome = committed;
      r.failed = i;
      break;
    }
    ++r.written;
  }
  if (allOrNothing && r.failed < files.size()) {
    // The files named already go back to what they were, the last first (a path given
    // twice returns to its first contents, then to nothing). One that cannot stays new.
    std::size_t stayed = 0;
    for (std::size_t i = r.written; i-- > 0;)
      if (!staged[i].TakeBack()) ++stayed;
    r.written = stayed;
  }
  for (Staged& f : staged) f.Finish();
  if (r.written > 0 || (allOrNothing && keep > 0))
    for (const std::string& folder : folders) SyncFolder(folder);
  if (r.failed == files.size()) r.outcome = FileOutcome{FileProblem::None, FileKind::Regular, 0};
  return r;
}

#endif

// Neither may throw: a writer returns its failure, whatever happened.
FileOutcome WriteFileAtomically(const std::string& path, std::string_view contents, ReadOnlyFiles readOnly) {
  try {
    return WriteFileOnce(path, contents, readOnly);
  } catch (...) {
    return Failure(ENOMEM);
  }
}

SetWriteOutcome WriteFilesAtomically(const std::vector<FileToWrite>& files, SetWriteMode mode,
                                     ReadOnlyFiles readOnly) {
  try {
    return WriteFilesOnce(files, mode, readOnly);
  } catch (...) {
    SetWriteOutcome r;
    r.outcome = Failure(ENOMEM);
    return r;
  }
}

namespace fileio_parts {

WriteFault& InjectedFault() {
  static WriteFault fault;
  return fault;
}

NamingFault& InjectedNamingFault() {
  static NamingFault fault;
  return fault;
}

}  // namespace fileio_parts

ScopedWriteFault::ScopedWriteFault(int systemError, std::size_t afterBytes) {
  InjectedFault() = WriteFault{true, systemError, afterBytes};
}

ScopedWriteFault::~ScopedWriteFault() { InjectedFault() = WriteFault{}; }

ScopedNamingFault::ScopedNamingFault(int systemError, std::size_t afterNames) {
  InjectedNamingFault() = NamingFault{true, systemError, afterNames};
}

ScopedNamingFault::~ScopedNamingFault() { InjectedNamingFault() = NamingFault{}; }

}  // namespace platform
