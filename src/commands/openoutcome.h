#pragma once
// What became of opening a project or an airfoil: opened, or why not, in the words the
// windows show and with the key the batch program prints.
#include <string>

#include "platform/errorreport.h"
#include "platform/messages.h"

namespace commands {

enum class OpenStatus {
  Opened,
  Cancelled,  // the user chose no file
  Refused,    // the file, or the airfoil it names, cannot be opened: `refusal` says which
  Failed,     // something unexpected: the general error report
};

struct OpenOutcome {
  OpenStatus status = OpenStatus::Opened;
  std::string refusal;  // the batch key: "project", "airfoil-missing", "too-few-points", ...
  std::string text;     // why, as the batch program writes it on standard error
  // How the windows tell it: the general error report of `error` under `reportTag` when
  // the tag is set, else a box with `text`, `title` and `icon`.
  std::string title;
  platform::BoxIcon icon = platform::BoxIcon::Information;
  std::string reportTag;
  platform::ErrorInfo error;

  bool Opened() const { return status == OpenStatus::Opened; }
};

// A refusal told in a box.
OpenOutcome RefusedOpen(std::string key, std::string text, std::string title,
                        platform::BoxIcon icon = platform::BoxIcon::Information);
// A refusal (or, without a key, a failure) told by the general error report.
OpenOutcome ReportedOpen(std::string key, std::string tag, platform::ErrorInfo error);

// Tells the user why a file did not open, through the platform's messages; nothing when
// it opened or the user cancelled.
void TellOpenOutcome(const OpenOutcome& outcome);

}  // namespace commands
