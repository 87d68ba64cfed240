#pragma once
// The general error report: every command that fails unexpectedly ends here.
#include <string>

namespace platform {

// Well-known error numbers (those of the runtime the file formats came from).
enum ErrorNumber {
  kErrInvalidCall = 5,
  kErrOverflow = 6,
  kErrOutOfMemory = 7,
  kErrSubscript = 9,
  kErrDivisionByZero = 11,
  kErrTypeMismatch = 13,
  kErrInternal = 51,
  kErrFileNotFound = 53,
  kErrDeviceIo = 57,
  kErrDiskFull = 61,
  kErrInputPastEnd = 62,
  kErrTooManyFiles = 67,
  kErrPermissionDenied = 70,
  kErrFileAccess = 75,
  kErrPathNotFound = 76,
  kErrCancelled = 32755,
};

struct ErrorInfo {
  int number = 0;
  std::string description;
  // Set when the input was refused rather than an operation failing (a folder given as a
  // file, a file far too large): the refusal's batch name, "not-a-file" or "too-large".
  std::string refusal = std::string();
};

// Inside a catch block: the report of the exception being handled (out of memory, an
// input/output failure, anything else), so that nothing unexpected ends the program.
ErrorInfo CurrentExceptionError();

// Builds the box text: Erreur/1, " # ", number, " ", Erreur/2, " ", title, a new line, the
// description.
std::string GeneralErrorText(const ErrorInfo& error);

// Before a file marked read-only is replaced: Erreur/215 and the path, Yes or No (the
// default); true for Yes.
bool AskReplaceReadOnly(const std::string& path, const std::string& title);

// Shows the information box titled Erreur/1 followed by `tag` (e.g. " Open/FichierLecture")
// and returns the text, which callers keep as the shared message text.
std::string ReportGeneralError(const std::string& tag, const ErrorInfo& error);

}  // namespace platform
