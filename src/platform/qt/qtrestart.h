#pragma once
// Starts the running executable again, detached, with the arguments it was given.
#include "platform/restart.h"

namespace platform {

class QtProgramRestart : public ProgramRestart {
 public:
  bool StartAgain() override;
};

}  // namespace platform
