#include "commands/openoutcome.h"

namespace commands {

OpenOutcome RefusedOpen(std::string key, std::string text, std::string title, platform::BoxIcon icon) {
  OpenOutcome o;
  o.status = OpenStatus::Refused;
  o.refusal = std::move(key);
  o.text = std::move(text);
  o.title = std::move(title);
  o.icon = icon;
  return o;
}

OpenOutcome ReportedOpen(std::string key, std::string tag, platform::ErrorInfo error) {
  OpenOutcome o;
  o.status = key.empty() ? OpenStatus::Failed : OpenStatus::Refused;
  o.refusal = std::move(key);
  o.text = platform::GeneralErrorText(error);
  o.reportTag = std::move(tag);
  o.error = std::move(error);
  return o;
}

void TellOpenOutcome(const OpenOutcome& outcome) {
  if (outcome.status == OpenStatus::Opened || outcome.status == OpenStatus::Cancelled) return;
  if (!outcome.reportTag.empty()) platform::ReportGeneralError(outcome.reportTag, outcome.error);
  else platform::Inform(outcome.text, outcome.title, outcome.icon);
}

}  // namespace commands
