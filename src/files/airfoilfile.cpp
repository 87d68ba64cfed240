#include "files/airfoilfile.h"

#include "core/numformat.h"
#include "platform/fileio.h"
#include "platform/textkeys.h"
#include "platform/texts.h"
#include "core/plaintext.h"

namespace files {

using platform::Text;

namespace {

std::string TrimSpaces(const std::string& s) { return std::string(core::Trimmed(s)); }

bool HasLetter(const std::string& s) {
  for (char c : s)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  return false;
}

// Every line followed by a line feed, whatever the file's line ends; tabs as blanks.
std::string NormalisedText(const std::string& raw) {
  std::string out;
  out.reserve(raw.size() + 1);
  for (std::size_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c == '\r') {
      out += '\n';
      if (i + 1 < raw.size() && raw[i + 1] == '\n') ++i;
    } else if (c == '\t') {
      out += ' ';
    } else {
      out += c;
    }
  }
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out;
}

// A refusal the user is told in words: `message`, one of the open window's texts.
AirfoilReadResult Refuse(AirfoilData& d, AirfoilReadStatus status, platform::TextKey message);

AirfoilReadResult Fail(AirfoilData& d, AirfoilReadStatus status) {
  d.points.clear();
  AirfoilReadResult r;
  r.status = status;
  return r;
}

AirfoilReadResult Refuse(AirfoilData& d, AirfoilReadStatus status, platform::TextKey message) {
  AirfoilReadResult r = Fail(d, status);
  r.shortText = Text(message);
  r.boxText = r.shortText;
  return r;
}

}  // namespace

bool TooFewPoints(std::size_t pointCount) { return pointCount < 5; }

const char* StatusName(AirfoilReadStatus status) {
  switch (status) {
    case AirfoilReadStatus::Ok: return "ok";
    case AirfoilReadStatus::EmptyTitle: return "empty-title";
    case AirfoilReadStatus::FirstPoint: return "first-point";
    case AirfoilReadStatus::DoublePoint: return "double-point";
    case AirfoilReadStatus::ClosingPoint: return "closing-point";
    case AirfoilReadStatus::Unreadable: return "unreadable";
    case AirfoilReadStatus::Empty: return "empty";
    case AirfoilReadStatus::NotCoordinates: return "not-coordinates";
    case AirfoilReadStatus::NotAFile: return "not-a-file";
    case AirfoilReadStatus::TooLarge: return "too-large";
    case AirfoilReadStatus::Error: return "error";
  }
  return "error";
}

AirfoilReadResult ReadAirfoilFile(const std::string& path, AirfoilData& d) {
  const platform::ReadOutcome file = platform::ReadWholeFile(path);
  AirfoilReadResult r;
  if (file.refused()) {
    r = Fail(d, file.problem == platform::FileProblem::NotAFile ? AirfoilReadStatus::NotAFile
                                                                : AirfoilReadStatus::TooLarge);
    r.boxText = platform::RefusalText(file, path);  // names the path itself
    r.shortText = r.boxText.substr(0, r.boxText.find('\n'));
    return r;
  }
  if (!file.ok()) r = Refuse(d, AirfoilReadStatus::Unreadable, keys::AirfoilFileUnreadable);
  else r = ParseAirfoilText(file.bytes, d);
  // Which file it was, for the user who did not choose it in the open window.
  const AirfoilReadStatus s = r.status;
  if (s == AirfoilReadStatus::Unreadable || s == AirfoilReadStatus::Empty || s == AirfoilReadStatus::NotCoordinates)
    r.boxText += "\n" + path;
  return r;
}

static AirfoilReadResult ParseCoordinates(const std::string& raw, AirfoilData& d) {
  if (raw.empty()) return Refuse(d, AirfoilReadStatus::Empty, keys::AirfoilFileEmpty);
  // A picture or a program renamed: text files hold no NUL byte.
  if (raw.find('\0') != std::string::npos)
    return Refuse(d, AirfoilReadStatus::NotCoordinates, keys::NotCoordinatesFile);
  const std::string text = NormalisedText(raw);

  std::size_t pos = 0;  // start of the remaining text
  std::size_t eol = text.find('\n');
  const std::string first = text.substr(0, eol);
  const bool isTitle = HasLetter(first);
  d.title = TrimSpaces(first);
  if (isTitle) pos = eol + 1;
  if (d.title.empty()) {
    AirfoilReadResult r = Fail(d, AirfoilReadStatus::EmptyTitle);
    r.boxText = Text(keys::AirfoilEmptyFirstLine);
    return r;
  }

  std::vector<core::Point> points;
  bool closed = false;
  while (true) {
    if (pos >= text.size() || text.compare(pos, std::string::npos, "\n") == 0) break;
    std::size_t end = text.find('\n', pos);
    const std::string line = TrimSpaces(text.substr(pos, end - pos));
    std::size_t p = line.find(' ');
    if (p == std::string::npos) return Refuse(d, AirfoilReadStatus::NotCoordinates, keys::NotCoordinatesFile);
    const double x = core::LeadingNumber(std::string_view(line).substr(0, p));
    const double y = core::LeadingNumber(std::string_view(line).substr(p));
    const bool firstPoint = points.empty();
    if (firstPoint && x != 1.0) {
      AirfoilReadResult r = Fail(d, AirfoilReadStatus::FirstPoint);
      r.shortText = Text(keys::AirfoilNotFromOneLabel);
      r.boxText = Text(keys::AirfoilNotFromOneLine1) + "\n" + Text(keys::AirfoilNotFromOneLine2);
      return r;
    }
    if (points.size() >= static_cast<std::size_t>(core::kMaxPoints)) {
      AirfoilReadResult r = Fail(d, AirfoilReadStatus::Error);
      r.error = {platform::kErrOverflow, "Overflow"};
      return r;
    }
    points.push_back({x, y});
    if (!firstPoint && x >= 1.0) {
      closed = true;
      break;
    }
    const core::Point previous = firstPoint ? core::Point{} : points[points.size() - 2];
    if (!firstPoint && x == previous.x && y == previous.y) {
      AirfoilReadResult r = Fail(d, AirfoilReadStatus::DoublePoint);
      r.shortText = Text(keys::AirfoilEqualPointsBefore) + "= " + core::PlainNumberText(x) +
                    Text(keys::AirfoilEqualPointsBetween) + "= " + core::PlainNumberText(previous.x);
      r.boxText = r.shortText;
      return r;
    }
    pos = end + 1;
  }

  if (closed && points.back().x == 1.0) {
    d.points = std::move(points);
    return AirfoilReadResult{};
  }
  AirfoilReadResult r = Fail(d, AirfoilReadStatus::ClosingPoint);
  r.shortText = Text(keys::AirfoilNotClosedLabel);
  r.boxText = Text(keys::AirfoilNotClosedLine1) + "\n" + Text(keys::AirfoilNotClosedLabel);
  return r;
}

AirfoilReadResult ReadAirfoilInto(core::AirfoilAsRead& airfoil) {
  AirfoilData d;
  AirfoilReadResult r = ReadAirfoilFile(airfoil.path, d);
  airfoil.title = d.title;
  airfoil.points = std::move(d.points);
  return r;
}

void SplitAirfoilFileName(const std::string& path, std::string& name, std::string& ext) {
  std::size_t slash = path.find_last_of("/\\");
  std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  name = file.size() >= 4 ? file.substr(0, file.size() - 4) : std::string();
  ext = file.size() >= 3 ? file.substr(file.size() - 3) : file;
}

AirfoilReadResult ParseAirfoilText(const std::string& raw, AirfoilData& d) {
  try {
    return ParseCoordinates(raw, d);
  } catch (...) {
    AirfoilReadResult r = Fail(d, AirfoilReadStatus::Error);
    r.error = platform::CurrentExceptionError();
    return r;
  }
}

}  // namespace files
