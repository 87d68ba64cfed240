// Writing whole files atomically, one at a time or as a set: through a temporary file in
// the target's folder, flushed to disk, then renamed over the target (or, for a new file on
// Linux, an unnamed file linked to its name).
#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/fileio.h"
#include "platform/fileioparts.h"

#ifdef VANDRELL_POSIX_FILES
#include <fcntl.h>
#include <cstdio>
#include <random>
#endif

// Linux writes a new file as an unnamed one in its folder and gives it its name when it is
// complete: no temporary name to create and rename, and nothing left behind by a crash.
#if defined(VANDRELL_POSIX_FILES) && defined(__linux__) && defined(O_TMPFILE)
#define VANDRELL_UNNAMED_FILES 1
#endif

namespace platform {

using namespace fileio_parts;

namespace {

struct WriteFault {
  bool active = false;
  int systemError = 0;
  std::size_t afterBytes = 0;
  std::size_t written = 0;  // since the fault was made
};

WriteFault& InjectedFault() {
  static WriteFault fault;
  return fault;
}

#ifdef VANDRELL_POSIX_FILES

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

// A file on its way to its name: where its links lead, what it replaces, and the
// temporary file that holds it meanwhile (removed with the object unless it took the name).
struct Staged {
  std::string target;
  std::string folder;  // with its separator, "" for the current folder
  bool replacing = false;
  struct stat old {};
  std::string temp;
  int unnamed = -1;  // an unnamed file holding the contents, instead of `temp`

  Staged() = default;
  Staged(const Staged&) = delete;
  Staged& operator=(const Staged&) = delete;
  ~Staged() { Discard(); }
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
};

// The start of a temporary file's name: hidden, and in the target's folder so that the
// rename never crosses a disk.
std::string TemporaryNameStart(const Staged& f) {
  return f.folder + "." + f.target.substr(f.folder.size(), 200) + ".";
}

// Looks at the path: only a regular file, or nothing yet, may be replaced.
FileOutcome Stage(const std::string& path, Staged& f) {
  if (path.empty()) return Failure(ENOENT);
  int systemError = 0;
  if (!ResolveLinks(path, f.target, f.old, f.replacing, systemError)) return Failure(systemError);
  if (!f.replacing && errno != ENOENT) return Failure(errno);
  if (f.replacing && !S_ISREG(f.old.st_mode)) return Refusal(FileProblem::NotAFile, KindOfMode(f.old.st_mode));
  f.folder = FolderPart(f.target);
  return FileOutcome{};
}

#ifdef VANDRELL_UNNAMED_FILES
// Naming an unnamed file goes through its entry in /proc, which a chroot may lack.
bool CanNameUnnamedFiles() {
  static const bool can = ::access("/proc/self/fd", X_OK) == 0;
  return can;
}

// The contents of a new file in an unnamed file in the target's folder, its mode that of any
// new file (the umask applies). False where the file system has no unnamed files: the caller
// then takes a temporary name, which meets the same refusals as any other file.
bool WriteUnnamed(Staged& f, std::string_view contents, bool flush, FileOutcome& outcome) {
  const int fd = ::open(f.folder.empty() ? "." : f.folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  f.unnamed = fd;
  int systemError = 0;
  bool ok = WriteAll(fd, contents, systemError);
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

// Gives the unnamed file the target's name; where a file has taken that name meanwhile, a
// temporary name, so that the rename replaces it as any other.
FileOutcome NameUnnamed(Staged& f) {
  char self[64];
  std::snprintf(self, sizeof self, "/proc/self/fd/%d", f.unnamed);
  if (::linkat(AT_FDCWD, self, AT_FDCWD, f.target.c_str(), AT_SYMLINK_FOLLOW) == 0) {
    f.CloseUnnamed();  // flushed before it was named: a late close error has nothing to lose
    return FileOutcome{};
  }
  if (errno != EEXIST) {
    const int error = errno;
    f.Discard();
    return Failure(error);
  }
  std::minstd_rand random(std::random_device{}());
  for (int attempt = 0; attempt < 100 && f.temp.empty(); ++attempt) {
    const std::string temp = TemporaryNameStart(f) + std::to_string(random() % 1000000);
    if (::linkat(AT_FDCWD, self, AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) == 0) f.temp = temp;
    else if (errno != EEXIST) break;
  }
  const int error = errno;
  f.CloseUnnamed();
  if (f.temp.empty()) return Failure(error);
  return FileOutcome{};
}
#endif

// The contents in a temporary file beside the target, with the mode of the file it
// replaces; flushed to disk when `flush`. A new file may be an unnamed one instead
// (`allowUnnamed`: each holds a descriptor until it is named).
FileOutcome WriteTemporary(Staged& f, std::string_view contents, bool flush, bool allowUnnamed = true) {
#ifdef VANDRELL_UNNAMED_FILES
  FileOutcome unnamed;
  if (!f.replacing && allowUnnamed && CanNameUnnamedFiles() && WriteUnnamed(f, contents, flush, unnamed)) return unnamed;
#else
  (void)allowUnnamed;
#endif
  const std::string pattern = TemporaryNameStart(f) + "XXXXXX";
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  Descriptor fd(::mkstemp(temp.data()));
  if (fd.get() < 0) return Failure(errno);
  f.temp = temp.data();

  int systemError = 0;
  bool ok = WriteAll(fd.get(), contents, systemError);
  if (ok && flush && ::fsync(fd.get()) != 0) {
    systemError = errno;
    ok = false;
  }
  if (ok) {
    // Best effort: the file keeps its mode and, where allowed, its owner and group.
    if (f.replacing) {
      const bool ownerKept = ::fchown(fd.get(), f.old.st_uid, f.old.st_gid) == 0;
      (void)ownerKept;  // a file of someone else's becomes the writer's, as a new one would
      ::fchmod(fd.get(), f.old.st_mode & 07777);
    } else {
      ::fchmod(fd.get(), NewFileMode());
    }
  }
  if (fd.Close() != 0 && ok) {
    systemError = errno;
    ok = false;
  }
  if (ok) return FileOutcome{};
  f.Discard();
  return Failure(systemError);
}

// The temporary file takes the target's name, unless a folder or device has been put in
// its place meanwhile.
FileOutcome Commit(Staged& f) {
  FileOutcome outcome;
#ifdef VANDRELL_UNNAMED_FILES
  if (f.unnamed >= 0) {
    outcome = NameUnnamed(f);
    if (!outcome.ok()) return outcome;
    if (f.temp.empty()) {
      outcome.kind = FileKind::Regular;
      return outcome;
    }
    // Something took the name meanwhile: renamed over it below, as any temporary file.
  }
#endif
  struct stat now;
  if (::lstat(f.target.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) {
    outcome = Refusal(FileProblem::NotAFile, KindOfMode(now.st_mode));
  } else if (::rename(f.temp.c_str(), f.target.c_str()) != 0) {
    outcome = Failure(errno);
  } else {
    f.temp.clear();
    outcome.kind = FileKind::Regular;
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

#endif

}  // namespace

#ifdef VANDRELL_POSIX_FILES

static FileOutcome WriteFileOnce(const std::string& path, std::string_view contents) {
  Staged f;
  FileOutcome outcome = Stage(path, f);
  if (outcome.ok()) outcome = WriteTemporary(f, contents, true);
  if (outcome.ok()) outcome = Commit(f);
  if (outcome.ok()) SyncFolder(f.folder);
  return outcome;
}

static SetWriteOutcome WriteFilesOnce(const std::vector<FileToWrite>& files, SetWriteMode mode) {
  SetWriteOutcome r;
  r.failed = files.size();
  std::vector<Staged> staged(files.size());
  // A path that cannot be written is found before anything is.
  for (std::size_t i = 0; i < files.size() && r.failed == files.size(); ++i) {
    r.outcome = Stage(files[i].path, staged[i]);
    if (!r.outcome.ok()) r.failed = i;
  }
  // The files that may take their names: those before a failure, or none.
  const auto committable = [&]() -> std::size_t {
    return mode == SetWriteMode::AllOrNothing && r.failed < files.size() ? 0 : r.failed;
  };
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
  std::vector<std::string> folders;
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
    const FileOutcome committed = Commit(staged[i]);
    if (!committed.ok()) {
      r.outcome = committed;
      r.failed = i;
      break;
    }
    ++r.written;
  }
  if (r.written > 0)
    for (const std::string& folder : folders) SyncFolder(folder);
  if (r.failed == files.size()) r.outcome = FileOutcome{FileProblem::None, FileKind::Regular, 0};
  return r;
}

#else  // a portable fallback through the standard library

namespace fs = std::filesystem;

static FileOutcome WriteFileOnce(const std::string& path, std::string_view contents) {
  std::error_code ec;
  fs::path target(path);
  if (fs::is_symlink(target, ec)) target = fs::weakly_canonical(target, ec);
  if (ec) return Failure(ec.value());
  const FileKind kind = KindOfPath(target.string());
  if (kind != FileKind::Missing && kind != FileKind::Regular) return Refusal(FileProblem::NotAFile, kind);
  const fs::path temp = target.string() + ".vandrell-tmp~";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return Failure(fs::is_directory(target.parent_path().empty() ? "." : target.parent_path(), ec) ? EACCES : ENOENT);
    out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
    out.flush();
    if (!out || InjectedFault().active) {
      out.close();
      fs::remove(temp, ec);
      return Failure(InjectedFault().active ? InjectedFault().systemError : ENOSPC);
    }
  }
  if (kind == FileKind::Regular) fs::permissions(temp, fs::status(target, ec).permissions(), ec);
  fs::rename(temp, target, ec);
  if (ec) {
    const int e = ec.value();
    fs::remove(temp, ec);
    return Failure(e);
  }
  FileOutcome o;
  o.kind = FileKind::Regular;
  return o;
}

static SetWriteOutcome WriteFilesOnce(const std::vector<FileToWrite>& files, SetWriteMode mode) {
  SetWriteOutcome r;
  r.failed = files.size();
  for (std::size_t i = 0; i < files.size() && r.failed == files.size(); ++i) {
    const FileKind kind = KindOfPath(files[i].path);
    if (kind != FileKind::Missing && kind != FileKind::Regular) {
      r.outcome = Refusal(FileProblem::NotAFile, kind);
      r.failed = i;
    }
  }
  if (mode == SetWriteMode::AllOrNothing && r.failed < files.size()) return r;
  for (std::size_t i = 0; i < r.failed; ++i) {
    const FileOutcome o = WriteFileOnce(files[i].path, files[i].contents);
    if (!o.ok()) {
      r.outcome = o;
      r.failed = i;
      break;
    }
    ++r.written;
  }
  return r;
}

#endif

// Neither may throw: a writer returns its failure, whatever happened.
FileOutcome WriteFileAtomically(const std::string& path, std::string_view contents) {
  try {
    return WriteFileOnce(path, contents);
  } catch (...) {
    return Failure(ENOMEM);
  }
}

SetWriteOutcome WriteFilesAtomically(const std::vector<FileToWrite>& files, SetWriteMode mode) {
  try {
    return WriteFilesOnce(files, mode);
  } catch (...) {
    SetWriteOutcome r;
    r.outcome = Failure(ENOMEM);
    return r;
  }
}

ScopedWriteFault::ScopedWriteFault(int systemError, std::size_t afterBytes) {
  InjectedFault() = WriteFault{true, systemError, afterBytes};
}

ScopedWriteFault::~ScopedWriteFault() { InjectedFault() = WriteFault{}; }

}  // namespace platform
