#pragma once
// What a command says it has done, beside the work rather than in a box that must be closed:
// a file written. The main window shows it in its status bar with a way to the folder; the
// batch program prints its own lines and installs nothing.
#include <string>
#include <vector>

namespace platform {

class Notices {
 public:
  virtual ~Notices() = default;
  virtual void FileWritten(const std::string& path) = 0;
};

Notices& CurrentNotices();
void SetNotices(Notices* notices);  // nullptr: nobody is told

// Tells the notices in force that `path` was written.
void TellWritten(const std::string& path);

// Keeps every path told (tests).
class RecordingNotices : public Notices {
 public:
  void FileWritten(const std::string& path) override { written.push_back(path); }
  std::vector<std::string> written;
};

class ScopedNotices {
 public:
  explicit ScopedNotices(Notices* notices);
  ~ScopedNotices();
  ScopedNotices(const ScopedNotices&) = delete;
  ScopedNotices& operator=(const ScopedNotices&) = delete;

 private:
  Notices* previous_;
};

}  // namespace platform
