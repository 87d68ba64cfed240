#include "commands/airfoilreadfailure.h"

#include "platform/errorreport.h"

namespace commands {

platform::BoxIcon AirfoilRefusalIcon(files::AirfoilReadStatus status) {
  using enum files::AirfoilReadStatus;
  switch (status) {
    case DoublePoint: return platform::BoxIcon::None;
    case Unreadable:
    case Empty:
    case NotCoordinates:
    case NotAFile:
    case TooLarge: return platform::BoxIcon::Exclamation;
    case Ok:
    case EmptyTitle:
    case FirstPoint:
    case ClosingPoint:
    case Error: break;
  }
  return platform::BoxIcon::Information;
}

std::string ShowAirfoilReadFailure(const files::AirfoilReadResult& result, const std::string& caption) {
  if (result.ok()) return std::string();
  if (result.status == files::AirfoilReadStatus::Error)
    return platform::ReportGeneralError(" Open/FichierLecture", result.error);
  platform::Inform(result.boxText, caption, AirfoilRefusalIcon(result.status));
  return result.boxText;
}

}  // namespace commands
