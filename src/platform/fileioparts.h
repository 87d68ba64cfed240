#pragma once
// What the file reader and the file writer share: the outcome of a system error, a
// refusal, the folder of a path, and on POSIX systems the kind of a mode and a descriptor
// that closes itself. Only src/platform/fileio*.cpp include this.
#include <string>

#include "platform/fileio.h"

#if defined(__unix__) || defined(__APPLE__)
#define VANDRELL_POSIX_FILES 1
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform::fileio_parts {

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
#endif

}  // namespace platform::fileio_parts
