#pragma once
// The general error report: every command that fails unexpectedly ends here.
#include <string>

namespace platform {

// Well-known error numbers (those of the runtime the file formats came from).
enum ErrorNumber {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrSubscript = 9,
  kErrDivisionByZero = 11,
  kErrTypeMismatch = 13,
  kErrFileNotFound = 53,
  kErrPathNotFound = 76,
  kErrInputPastEnd = 62,
  kErrPermissionDenied = 70,
  kErrDeviceIo = 57,
  kErrDiskFull = 61,
  kErrCancelled = 32755,
};

struct ErrorInfo {
  int number = 0;
  std::string description;
};

// Builds the box text: Erreur/1, " # ", number, " ", Erreur/2, " ", title, CR, description.
std::string GeneralErrorText(const ErrorInfo& error);

// Shows the information box titled Erreur/1 followed by `tag` (e.g. " Open/FichierLecture")
// and returns the text, which callers keep as the shared message text.
std::string ReportGeneralError(const std::string& tag, const ErrorInfo& error);

}  // namespace platform
