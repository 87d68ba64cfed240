#include "platform/restart.h"

namespace platform {

namespace {
class NoRestart : public ProgramRestart {
 public:
  bool StartAgain() override { return false; }
};

ProgramRestart*& Installed() {
  static ProgramRestart* installed = nullptr;
  return installed;
}
}  // namespace

ProgramRestart& CurrentProgramRestart() {
  static NoRestart none;
  ProgramRestart* r = Installed();
  return r ? *r : none;
}

void SetProgramRestart(ProgramRestart* restart) { Installed() = restart; }

ScopedProgramRestart::ScopedProgramRestart(ProgramRestart* restart) : previous_(Installed()) { Installed() = restart; }
ScopedProgramRestart::~ScopedProgramRestart() { Installed() = previous_; }

}  // namespace platform
