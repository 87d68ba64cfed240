// The project reader on any bytes, in both units: it never crashes, a refused file leaves
// the rib as it was, and what it accepts is written back in a form that reads again to
// the same bytes once its reserved lines have been filled in.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/newrib.h"
#include "files/projectfile.h"
#include "platform/messages.h"

namespace {

class SilentMessages : public platform::Messages {
 public:
  platform::BoxAnswer Show(const platform::BoxRequest&) override { return platform::BoxAnswer::Ok; }
};

core::RibDocument NewRib(const char* unit) {
  core::RibDocument s;
  s.settings.unitText = unit;
  core::ClearRib(s);
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static SilentMessages silent;
  static platform::ScopedMessages installed(&silent);
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const char* unit : {" mm", " in"}) {
    core::RibDocument s = NewRib(unit);
    const std::string clean = files::ProjectFileText(s);
    if (!files::ReadProjectText(bytes, s).ok) {
      if (files::ProjectFileText(s) != clean) __builtin_trap();
      continue;
    }
    // An extension shorter than three characters cannot come back from "name.ext".
    std::size_t extChars = 0;
    for (char c : s.airfoil.ext) extChars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (extChars < 3) continue;
    // A read turns empty reserved lines into "0"; after that a file must stay as it is.
    std::string written = files::ProjectFileText(s);
    for (int round = 0; round < 2; ++round) {
      core::RibDocument again = NewRib(unit);
      if (!files::ReadProjectText(written, again).ok) __builtin_trap();
      const std::string rewritten = files::ProjectFileText(again);
      if (round == 1 && rewritten != written) __builtin_trap();
      written = rewritten;
    }
  }
  return 0;
}
