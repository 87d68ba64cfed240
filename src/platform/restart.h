#pragma once
// Starting the program again: a unit change takes effect at the next start, so the program
// starts a fresh copy of itself (same executable, same arguments) as it closes rather than
// leaving the user to do it. The windows install a Qt one; tests install a recording one.
namespace platform {

class ProgramRestart {
 public:
  virtual ~ProgramRestart() = default;
  // Starts a new instance of the running program with its arguments; false when none could
  // be started.
  virtual bool StartAgain() = 0;
};

// The installed restart; until one is installed, one that starts nothing.
ProgramRestart& CurrentProgramRestart();

// Counts the starts asked for (tests).
class RecordingRestart : public ProgramRestart {
 public:
  bool StartAgain() override {
    ++starts;
    return succeeds;
  }
  int starts = 0;
  bool succeeds = true;
};

// Installs a restart for the lifetime of the object.
class ScopedProgramRestart {
 public:
  explicit ScopedProgramRestart(ProgramRestart* restart);
  ~ScopedProgramRestart();
  ScopedProgramRestart(const ScopedProgramRestart&) = delete;
  ScopedProgramRestart& operator=(const ScopedProgramRestart&) = delete;

 private:
  ProgramRestart* previous_;
};

}  // namespace platform
