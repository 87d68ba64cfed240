#include "platform/notices.h"

#include "platform/installed.h"

namespace platform {

namespace {
class SilentNotices : public Notices {
 public:
  void FileWritten(const std::string&) override {}
};
}  // namespace

Notices& CurrentNotices() {
  static SilentNotices silent;
  Notices* n = InstalledService<Notices>();
  return n ? *n : silent;
}

void SetNotices(Notices* notices) { InstalledService<Notices>() = notices; }

void TellWritten(const std::string& path) { CurrentNotices().FileWritten(path); }

ScopedNotices::ScopedNotices(Notices* notices) : previous_(InstalledService<Notices>()) { SetNotices(notices); }
ScopedNotices::~ScopedNotices() { SetNotices(previous_); }

}  // namespace platform
