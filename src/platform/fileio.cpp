#include "platform/fileio.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include "platform/fileioparts.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

#ifdef VANDRELL_POSIX_FILES
#include <fcntl.h>
#endif

namespace platform {

namespace fileio_parts {

namespace {

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

}  // namespace

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

std::string FolderPart(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
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
#endif

}  // namespace fileio_parts

using namespace fileio_parts;

namespace {

// The user's text, or the runtime's own words while no language is loaded.
std::string TextOr(TextKey key, const char* fallback) {
  std::string text = Text(key);
  return text.empty() ? std::string(fallback) : text;
}

std::string KindText(FileKind kind) {
  switch (kind) {
    case FileKind::Directory: return TextOr(keys::FolderNotFile, "This is a folder, not a file:");
    case FileKind::Pipe: return TextOr(keys::PipeNotFile, "This is a named pipe, not a file:");
    case FileKind::CharacterDevice:
    case FileKind::BlockDevice: return TextOr(keys::DeviceNotFile, "This is a device, not a file:");
    case FileKind::Socket: return TextOr(keys::SocketNotFile, "This is a socket, not a file:");
    default: return TextOr(keys::NotOrdinaryFile, "This is not an ordinary file:");
  }
}

}  // namespace

#ifdef VANDRELL_POSIX_FILES

FileKind KindOfPath(const std::string& path) {
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0) return FileKind::Missing;
  return KindOfMode(st.st_mode);
}

bool MayWrite(const std::string& path) {
  struct stat st;
  if (path.empty() || ::stat(path.c_str(), &st) != 0 || (st.st_mode & 0222) == 0) return false;
  return ::access(path.c_str(), W_OK) == 0;
}

FileOutcome CheckWritableFolder(const std::string& path) {
  struct stat st;
  if (path.empty()) return Failure(ENOENT);
  if (::stat(path.c_str(), &st) != 0) return Failure(errno);
  if (!S_ISDIR(st.st_mode)) return Refusal(FileProblem::NotAFile, KindOfMode(st.st_mode));
  if (::access(path.c_str(), W_OK | X_OK) != 0) return Failure(errno);
  FileOutcome o;
  o.kind = FileKind::Directory;
  return o;
}

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

FileOutcome CheckWritableFolder(const std::string& path) {
  std::error_code ec;
  const FileKind kind = KindOfPath(path);
  if (kind == FileKind::Missing) return Failure(ENOENT);
  if (kind != FileKind::Directory) return Refusal(FileProblem::NotAFile, kind);
  FileOutcome o;
  o.kind = kind;
  return o;
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

#endif

// It may not throw: a reader returns its failure, whatever happened.
ReadOutcome ReadWholeFile(const std::string& path, std::uint64_t limit) {
  try {
    return ReadWholeFileOnce(path, limit);
  } catch (...) {
    ReadOutcome r;
    static_cast<FileOutcome&>(r) = Failure(ENOMEM);
    return r;
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
      return TextOr(keys::FileTooLarge, "This file is far too large to be a file of Vandrell's:") + "\n" + path;
    case FileProblem::ReadOnly: return TextOr(keys::ReadOnlyNotReplaced, "This file is read-only:") + "\n" + path;
    default: return std::string();
  }
}

const char* RefusalName(FileProblem problem) {
  switch (problem) {
    case FileProblem::NotAFile: return "not-a-file";
    case FileProblem::TooLarge: return "too-large";
    case FileProblem::ReadOnly: return "read-only";
    default: return "";
  }
}

ErrorInfo ReadErrorInfo(const FileOutcome& outcome, const std::string& path) {
  const std::string named = "\n" + path;
  switch (outcome.problem) {
    case FileProblem::None: return ErrorInfo{};
    case FileProblem::NotAFile:
    case FileProblem::TooLarge:
    case FileProblem::ReadOnly:
      return {kErrFileAccess, RefusalText(outcome, path), RefusalName(outcome.problem)};
    case FileProblem::NotFound:
      return {kErrFileNotFound, TextOr(keys::FileNotFound, "File not found") + named};
    case FileProblem::Denied:
      return {kErrPermissionDenied, TextOr(keys::ReadPermissionDenied, "Permission denied") + named};
    case FileProblem::DiskFull:
      return {kErrDiskFull, TextOr(keys::DiskFull, "Disk full") + named};
    case FileProblem::Failed: break;
  }
  return {OtherErrorNumber(outcome.systemError), TextOr(keys::FileNotRead, "This file could not be read:") + named +
                                                     "\n" + std::strerror(outcome.systemError)};
}

ErrorInfo WriteErrorInfo(const FileOutcome& outcome, const std::string& path) {
  const std::string named = "\n" + path;
  switch (outcome.problem) {
    case FileProblem::None: return ErrorInfo{};
    case FileProblem::NotAFile:
    case FileProblem::TooLarge:
    case FileProblem::ReadOnly:
      return {outcome.problem == FileProblem::ReadOnly ? kErrPermissionDenied : kErrFileAccess,
              RefusalText(outcome, path) + "\n" + TextOr(keys::NothingWritten, "Nothing was written."),
              RefusalName(outcome.problem)};
    case FileProblem::NotFound:
      return {kErrPathNotFound, TextOr(keys::PathNotFound, "Path not found") + named};
    case FileProblem::Denied:
      return {kErrPermissionDenied, TextOr(keys::WritePermissionDenied, "Permission denied") + named};
    case FileProblem::DiskFull:
      return {kErrDiskFull, TextOr(keys::DiskFull, "Disk full") + named};
    case FileProblem::Failed: break;
  }
  return {OtherErrorNumber(outcome.systemError), TextOr(keys::FileNotWritten, "This file could not be written:") +
                                                     named + "\n" + std::strerror(outcome.systemError)};
}

}  // namespace platform
