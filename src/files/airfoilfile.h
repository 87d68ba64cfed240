#pragma once
// Reading airfoil coordinate files (Selig order: trailing edge, upper surface, leading
// edge, lower surface, trailing edge; an optional title line first).
#include <cstddef>
#include <string>
#include <vector>

#include "core/ribdocument.h"
#include "platform/errorreport.h"

namespace files {

enum class AirfoilReadStatus {
  Ok, EmptyTitle, FirstPoint, DoublePoint, ClosingPoint,
  Unreadable,      // the file cannot be opened
  Empty,           // nothing in it
  NotCoordinates,  // a binary file, or a line that is not two numbers
  NotAFile,        // a folder, pipe, device or socket: refused before it is opened
  TooLarge,        // far larger than any airfoil: refused before it is read
  Error            // anything else: the general error report
};

struct AirfoilReadResult {
  AirfoilReadStatus status = AirfoilReadStatus::Ok;
  std::string shortText;               // the refusal in one line, as the open window shows it
  std::string boxText;                 // the message for the user; empty on success
  platform::ErrorInfo error;           // for AirfoilReadStatus::Error

  bool ok() const { return status == AirfoilReadStatus::Ok; }
};

// An outline of fewer than 5 points makes no rib: whatever opens a file refuses it
// (frmopen/23, batch key "too-few-points").
bool TooFewPoints(std::size_t pointCount);

// Short name of a status for batch output: empty-title, first-point, double-point,
// closing-point, unreadable, empty, not-coordinates, not-a-file, too-large, error.
const char* StatusName(AirfoilReadStatus status);

// A file's contents as read, apart from the document: the document's own airfoil type, of
// which the readers fill the title and the points.
using AirfoilData = core::AirfoilAsRead;

// Reads a coordinate file without touching the shared state (callers that must keep the
// current airfoil until a new one is read whole).
AirfoilReadResult ReadAirfoilFile(const std::string& path, AirfoilData& data);
// The same rules over a file's contents.
AirfoilReadResult ParseAirfoilText(const std::string& contents, AirfoilData& data);

// Reads the file named by airfoil.path into its title and points. Shows nothing: the
// caller tells the result. On failure it has no points.
AirfoilReadResult ReadAirfoilInto(core::AirfoilAsRead& airfoil);

// File name parts as the program keeps them: the name less its last 4 characters and
// the last 3 characters.
void SplitAirfoilFileName(const std::string& path, std::string& name, std::string& ext);

}  // namespace files
