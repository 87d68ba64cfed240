#include "platform/restart.h"

#include "platform/installed.h"

namespace platform {

namespace {
class NoRestart : public ProgramRestart {
 public:
  bool StartAgain() override { return false; }
};
}  // namespace

ProgramRestart& CurrentProgramRestart() {
  static NoRestart none;
  ProgramRestart* r = InstalledService<ProgramRestart>();
  return r ? *r : none;
}

ScopedProgramRestart::ScopedProgramRestart(ProgramRestart* restart) : previous_(InstalledService<ProgramRestart>()) {
  InstalledService<ProgramRestart>() = restart;
}
ScopedProgramRestart::~ScopedProgramRestart() { InstalledService<ProgramRestart>() = previous_; }

}  // namespace platform
