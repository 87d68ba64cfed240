#include "platform/fileio.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#define VANDRELL_POSIX_FILES 1
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "platform/texts.h"

namespace platform {

namespace {

struct WriteFault {
  bool active = false;
  int systemError = 0;
  std::size_t afterBytes = 0;
};

WriteFault& InjectedFault() {
  static WriteFault fault;
  return fault;
}

FileProblem ProblemOf(int systemError) {
  switch (systemError) {
    case 0: return FileProblem::None;
    case ENOENT:
    case ENOTDIR: return FileProblem::NotFound;
    case EACCES:
    case EPERM:
    case EROFS: return FileProblem::Denied;
    case ENOSPC: return FileProblem::DiskFull;
#ifdef EDQUOT
    case EDQUOT: return FileProblem::DiskFull;
#endif
    case EISDIR: return FileProblem::NotAFile;
    default: return FileProblem::Failed;
  }
}

FileOutcome Failure(int systemError) {
  FileOutcome o;
  o.systemError = systemError;
  o.problem = ProblemOf(systemError);
  if (o.problem == FileProblem::None) o.problem = FileProblem::Failed;
  if (o.problem == FileProblem::NotAFile) o.kind = FileKind::Directory;
  return o;
}

FileOutcome Refusal(FileProblem problem, FileKind kind) {
  FileOutcome o;
  o.problem = problem;
  o.kind = kind;
  return o;
}

// The folder part of a path with its separator ("" for a bare name) and the name.
std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The user's text, or the runtime's own words while no language is loaded.
std::string TextOr(std::string_view key, const char* fallback) {
  std::string text = Text("Erreur", key);
  return text.empty() ? std::string(fallback) : text;
}

std::string KindText(FileKind kind) {
  switch (kind) {
    case FileKind::Directory: return TextOr("200", "This is a folder, not a file:");
    case FileKind::Pipe: return TextOr("201", "This is a named pipe, not a file:");
    case FileKind::CharacterDevice:
    case FileKind::BlockDevice: return TextOr("202", "This is a device, not a file:");
    case FileKind::Socket: return TextOr("203", "This is a socket, not a file:");
    default: return TextOr("204", "This is not an ordinary file:");
  }
}

#ifdef VANDRELL_POSIX_FILES

FileKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Directory;
  if (S_ISFIFO(mode)) return FileKind::Pipe;
  if (S_ISCHR(mode)) return FileKind::CharacterDevice;
  if (S_ISBLK(mode)) return FileKind::BlockDevice;
  if (S_ISSOCK(mode)) return FileKind::Socket;
  return FileKind::Other;
}

// Closes on every path out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // The close's own error counts for a written file (a delayed write failure shows there).
  int Close() {
    const int rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

mode_t NewFileMode() {
  // The umask can only be read by setting it; read once, at the first save.
  static const mode_t mask = [] {
    const mode_t m = ::umask(0);
    ::umask(m);
    return m;
  }();
  return 0666 & ~mask;
}

// Follows symbolic links from `path` to the file they lead to (which need not exist yet).
bool ResolveLinks(const std::string& path, std::string& target, int& systemError) {
  target = path;
  for (int hop = 0; hop < 40; ++hop) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
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
  const WriteFault& fault = InjectedFault();
  while (done < contents.size()) {
    std::size_t chunk = contents.size() - done;
    if (fault.active) {
      if (done >= fault.afterBytes) {
        systemError = fault.systemError;
        return false;
      }
      chunk = std::min(chunk, fault.afterBytes - done);
    }
    const ssize_t n = ::write(fd, contents.data() + done, chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      systemError = n < 0 ? errno : EIO;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);  // best effort: some file systems refuse it for folders
  ::close(fd);
}

#endif

}  // namespace

#ifdef VANDRELL_POSIX_FILES

FileKind KindOfPath(const std::string& path) {
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return FileKind::Missing;
  return KindOfMode(st.st_mode);
}

bool MayWrite(const std::string& path) { return !path.empty() && ::access(path.c_str(), W_OK) == 0; }

FileOutcome CheckReadable(const std::string& path, std::uint64_t limit) {
  struct stat st;
  if (path.empty()) return Failure(ENOENT);
  if (::stat(path.c_str(), &st) != 0) return Failure(errno);
  const FileKind kind = KindOfMode(st.st_mode);
  if (kind != FileKind::Regular) return Refusal(FileProblem::NotAFile, kind);
  if (static_cast<std::uint64_t>(st.st_size) > limit) return Refusal(FileProblem::TooLarge, kind);
  FileOutcome o;
  o.kind = kind;
  return o;
}

static ReadOutcome ReadWholeFileOnce(const std::string& path, std::uint64_t limit) {
  ReadOutcome r;
  FileOutcome& outcome = r;
  outcome = CheckReadable(path, limit);
  if (!r.ok()) return r;
  // Without O_NONBLOCK, a pipe put in the file's place since the check would hold the
  // open until some writer came.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    outcome = Failure(errno);
    return r;
  }
  // What was opened is what counts: the path may have been replaced since the check.
  struct stat st;
  if (::fstat(fd.get(), &st) != 0) {
    outcome = Failure(errno);
    return r;
  }
  const FileKind kind = KindOfMode(st.st_mode);
  if (kind != FileKind::Regular) {
    outcome = Refusal(FileProblem::NotAFile, kind);
    return r;
  }
  if (static_cast<std::uint64_t>(st.st_size) > limit) {
    outcome = Refusal(FileProblem::TooLarge, kind);
    return r;
  }
  r.bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[64 * 1024];
  while (true) {
    // One byte past the bound tells a file that grew beyond it.
    const std::uint64_t room = limit + 1 - r.bytes.size();
    const ssize_t n = ::read(fd.get(), buffer, static_cast<std::size_t>(std::min<std::uint64_t>(sizeof buffer, room)));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int e = errno;
      r.bytes.clear();
      outcome = Failure(e);
      return r;
    }
    if (n == 0) break;
    r.bytes.append(buffer, static_cast<std::size_t>(n));
    if (r.bytes.size() > limit) {
      r.bytes.clear();
      r.bytes.shrink_to_fit();
      outcome = Refusal(FileProblem::TooLarge, kind);
      return r;
    }
  }
  return r;
}

static FileOutcome WriteFileOnce(const std::string& path, std::string_view contents) {
  if (path.empty()) return Failure(ENOENT);
  std::string target;
  int systemError = 0;
  if (!ResolveLinks(path, target, systemError)) return Failure(systemError);

  struct stat old;
  const bool replacing = ::lstat(target.c_str(), &old) == 0;
  if (!replacing && errno != ENOENT) return Failure(errno);
  if (replacing && !S_ISREG(old.st_mode)) return Refusal(FileProblem::NotAFile, KindOfMode(old.st_mode));

  // Hidden, unique, and in the target's folder so that the rename never crosses a disk.
  const std::string folder = FolderPart(target);
  const std::string name = target.substr(folder.size());
  std::string pattern = folder + "." + name.substr(0, 200) + ".XXXXXX";
  std::vector<char> temp(pattern.begin(), pattern.end());
  temp.push_back('\0');
  Descriptor fd(::mkstemp(temp.data()));
  if (fd.get() < 0) return Failure(errno);

  bool ok = WriteAll(fd.get(), contents, systemError);
  if (ok && ::fsync(fd.get()) != 0) {
    systemError = errno;
    ok = false;
  }
  if (ok) {
    // Best effort: the file keeps its mode and, where allowed, its owner and group.
    if (replacing) {
      const bool ownerKept = ::fchown(fd.get(), old.st_uid, old.st_gid) == 0;
      (void)ownerKept;  // a file of someone else's becomes the writer's, as a new one would
      ::fchmod(fd.get(), old.st_mode & 07777);
    } else {
      ::fchmod(fd.get(), NewFileMode());
    }
  }
  if (fd.Close() != 0 && ok) {
    systemError = errno;
    ok = false;
  }
  FileOutcome outcome;
  if (!ok) outcome = Failure(systemError);
  // A folder or device put in the target's place meanwhile is not replaced either.
  struct stat now;
  if (ok && ::lstat(target.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) {
    outcome = Refusal(FileProblem::NotAFile, KindOfMode(now.st_mode));
    ok = false;
  }
  if (ok && ::rename(temp.data(), target.c_str()) != 0) {
    outcome = Failure(errno);
    ok = false;
  }
  if (!ok) {
    ::unlink(temp.data());
    return outcome;
  }
  SyncFolder(folder);
  outcome.kind = FileKind::Regular;
  return outcome;
}

#else  // a portable fallback through the standard library

namespace fs = std::filesystem;

FileKind KindOfPath(const std::string& path) {
  std::error_code ec;
  const fs::file_status st = fs::status(path, ec);
  if (ec || !fs::exists(st)) return FileKind::Missing;
  switch (st.type()) {
    case fs::file_type::regular: return FileKind::Regular;
    case fs::file_type::directory: return FileKind::Directory;
    case fs::file_type::fifo: return FileKind::Pipe;
    case fs::file_type::character: return FileKind::CharacterDevice;
    case fs::file_type::block: return FileKind::BlockDevice;
    case fs::file_type::socket: return FileKind::Socket;
    default: return FileKind::Other;
  }
}

bool MayWrite(const std::string& path) {
  std::error_code ec;
  const fs::perms p = fs::status(path, ec).permissions();
  return !ec && (p & fs::perms::owner_write) != fs::perms::none;
}

FileOutcome CheckReadable(const std::string& path, std::uint64_t limit) {
  const FileKind kind = KindOfPath(path);
  if (kind == FileKind::Missing) return Failure(ENOENT);
  if (kind != FileKind::Regular) return Refusal(FileProblem::NotAFile, kind);
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(path, ec);
  if (ec) return Failure(ec.value());
  if (size > limit) return Refusal(FileProblem::TooLarge, kind);
  FileOutcome o;
  o.kind = kind;
  return o;
}

static ReadOutcome ReadWholeFileOnce(const std::string& path, std::uint64_t limit) {
  ReadOutcome r;
  FileOutcome& outcome = r;
  outcome = CheckReadable(path, limit);
  if (!r.ok()) return r;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    outcome = Failure(EACCES);
    return r;
  }
  r.bytes.resize(static_cast<std::size_t>(limit + 1));
  in.read(r.bytes.data(), static_cast<std::streamsize>(r.bytes.size()));
  r.bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in.bad()) outcome = Failure(EIO);
  else if (r.bytes.size() > limit) outcome = Refusal(FileProblem::TooLarge, FileKind::Regular);
  if (!r.ok()) r.bytes.clear();
  return r;
}

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

#endif

// Neither may throw: a reader or writer returns its failure, whatever happened.
ReadOutcome ReadWholeFile(const std::string& path, std::uint64_t limit) {
  try {
    return ReadWholeFileOnce(path, limit);
  } catch (...) {
    ReadOutcome r;
    static_cast<FileOutcome&>(r) = Failure(ENOMEM);
    return r;
  }
}

FileOutcome WriteFileAtomically(const std::string& path, std::string_view contents) {
  try {
    return WriteFileOnce(path, contents);
  } catch (...) {
    return Failure(ENOMEM);
  }
}

// The report's number for a system error that has no problem of its own.
static int OtherErrorNumber(int systemError) {
  switch (systemError) {
    case EIO: return kErrDeviceIo;
    case EMFILE:
    case ENFILE: return kErrTooManyFiles;
    case ENOMEM: return kErrOutOfMemory;
    default: return kErrFileAccess;
  }
}

std::string RefusalText(const FileOutcome& outcome, const std::string& path) {
  switch (outcome.problem) {
    case FileProblem::NotAFile: return KindText(outcome.kind) + "\n" + path;
    case FileProblem::TooLarge:
      return TextOr("205", "This file is far too large to be a file of Vandrell's:") + "\n" + path;
    default: return std::string();
  }
}

const char* RefusalName(FileProblem problem) {
  switch (problem) {
    case FileProblem::NotAFile: return "not-a-file";
    case FileProblem::TooLarge: return "too-large";
    default: return "";
  }
}

ErrorInfo ReadErrorInfo(const FileOutcome& outcome, const std::string& path) {
  const std::string named = "\n" + path;
  switch (outcome.problem) {
    case FileProblem::None: return ErrorInfo{};
    case FileProblem::NotAFile:
    case FileProblem::TooLarge:
      return {kErrFileAccess, RefusalText(outcome, path), RefusalName(outcome.problem)};
    case FileProblem::NotFound: return {kErrFileNotFound, TextOr("206", "File not found") + named};
    case FileProblem::Denied: return {kErrPermissionDenied, TextOr("208", "Permission denied") + named};
    case FileProblem::DiskFull: return {kErrDiskFull, TextOr("210", "Disk full") + named};
    case FileProblem::Failed: break;
  }
  return {OtherErrorNumber(outcome.systemError),
          TextOr("211", "This file could not be read:") + named + "\n" + std::strerror(outcome.systemError)};
}

ErrorInfo WriteErrorInfo(const FileOutcome& outcome, const std::string& path) {
  const std::string named = "\n" + path;
  switch (outcome.problem) {
    case FileProblem::None: return ErrorInfo{};
    case FileProblem::NotAFile:
    case FileProblem::TooLarge:
      return {kErrFileAccess, RefusalText(outcome, path) + "\n" + TextOr("213", "Nothing was written."),
              RefusalName(outcome.problem)};
    case FileProblem::NotFound: return {kErrPathNotFound, TextOr("207", "Path not found") + named};
    case FileProblem::Denied: return {kErrPermissionDenied, TextOr("209", "Permission denied") + named};
    case FileProblem::DiskFull: return {kErrDiskFull, TextOr("210", "Disk full") + named};
    case FileProblem::Failed: break;
  }
  return {OtherErrorNumber(outcome.systemError),
          TextOr("212", "This file could not be written:") + named + "\n" + std::strerror(outcome.systemError)};
}

ScopedWriteFault::ScopedWriteFault(int systemError, std::size_t afterBytes) {
  InjectedFault() = WriteFault{true, systemError, afterBytes};
}

ScopedWriteFault::~ScopedWriteFault() { InjectedFault() = WriteFault{}; }

}  // namespace platform
