#pragma once
// What the file reader and the writers share: the outcome of a system error, a refusal,
// the folder of a path, the faults tests inject, and on POSIX systems the kind of a mode,
// a descriptor that closes itself, our temporary names and the folder lock. Only
// src/platform/fileio*.cpp include this.
#include <string>
#include <utility>

#include "platform/fileio.h"

#if defined(__unix__) || defined(__APPLE__)
#define VANDRELL_POSIX_FILES 1
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#endif

namespace platform::fileio_parts {

// What a test injects (ScopedWriteFault, ScopedNamingFault).
struct WriteFault {
  bool active = false;
  int systemError = 0;
  std::size_t afterBytes = 0;
  std::size_t written = 0;  // since the fault was made
};
WriteFault& InjectedFault();
struct NamingFault {
  bool active = false;
  int systemError = 0;
  std::size_t afterNames = 0;
  std::size_t tried = 0;
};
NamingFault& InjectedNamingFault();

// The writers themselves (fileiowrite.cpp, or fileioportable.cpp off POSIX systems).
FileOutcome WriteFileOnce(const std::string& path, std::string_view contents, ReadOnlyFiles readOnly);
SetWriteOutcome WriteFilesOnce(const std::vector<FileToWrite>& files, SetWriteMode mode, ReadOnlyFiles readOnly);

// The outcome of a failed system call (`errno`), never ok().
FileOutcome Failure(int systemError);
FileOutcome Refusal(FileProblem problem, FileKind kind);
// The folder part of a path with its separator ("" for a bare name).
std::string FolderPart(const std::string& path);

#ifdef VANDRELL_POSIX_FILES
FileKind KindOfMode(mode_t mode);

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

// Our temporary names: ".NAME." and six letters and digits, the first a digit, beside the
// file; ".NAME.kit-" and six for a folder being made in place of a folder NAME.
inline constexpr std::size_t kTemporaryTailLength = 6;
std::string TemporaryName(const std::string& folder, const std::string& name);
std::string StagingFolderName(const std::string& parent, const std::string& name);
enum class TemporaryKind { None, File, StagingFolder };
// Whether a name in a folder is one of ours (`nameExists`: the file it stood for is there).
TemporaryKind KindOfTemporary(const std::string& name, bool folder, bool nameExists);

// Removes our temporary files and folders in the folder that were last changed before
// `before`: a killed run's. Only under a FolderLock that took the lock itself.
void RemoveStaleTemporaries(int folderFd, const timespec& before);

// While alive, no other run of ours writes into the folder: an advisory lock (`flock`) on
// the folder itself, so nothing is added to it. It waits for the other run. A lock on a
// folder this process holds already is shared with it.
class FolderLock {
 public:
  explicit FolderLock(const std::string& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  // This lock took the folder: no other writer of ours is in it.
  bool Alone() const { return fd_ >= 0 && !shared_; }
  int fd() const { return fd_; }

 private:
  int fd_ = -1;
  bool shared_ = false;
  std::pair<dev_t, ino_t> key_{};
};
#endif

}  // namespace platform::fileio_parts
