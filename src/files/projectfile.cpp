#include "files/projectfile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

#include "core/airfoilprep.h"
#include "core/lengths.h"
#include "core/newrib.h"
#include "core/numformat.h"
#include "files/airfoilfile.h"
#include "files/ini.h"
#include "platform/messages.h"
#include "platform/texts.h"
#include "core/plaintext.h"

namespace files {

namespace fs = std::filesystem;
using platform::ErrorInfo;
using platform::Text;

namespace {

constexpr int kLastSlot = 11;  // the dialogs use slots 0..11; a larger last index is damage
constexpr int kErrBadFileFormat = 321;
constexpr int kErrFileAccess = 75;
constexpr int kMaxSearchDepth = 64;

// ---- Writing ----

// A text line may not break the one-value-a-line layout.
std::string OneLine(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\r', ' ');
  std::replace(out.begin(), out.end(), '\n', ' ');
  return out;
}

class LineWriter {
 public:
  void Text(std::string_view text) { out_ += OneLine(text) + "\r\n"; }
  // Kind A: sign position, digits, one trailing blank.
  void CountA(long value) { out_ += core::IntegerText(value) + " \r\n"; }
  // Kind B: the plain number.
  void PlainB(std::uint8_t value) { out_ += std::to_string(value) + "\r\n"; }
  void PlainB(float value) { out_ += core::PlainNumberText(value) + "\r\n"; }
  std::string Bytes() const { return Utf8ToCp1252(out_); }

 private:
  std::string out_;
};

// ---- Reading ----

struct ReadFailure {
  ErrorInfo error;
};

[[noreturn]] void Fail(int number, const char* description) { throw ReadFailure{{number, description}}; }

// The lines of a file whatever its line ends (CR LF, LF or CR), as raw Windows-1252 bytes.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return pos_ >= bytes_.size(); }

  // True when nothing but blank lines is left.
  bool OnlyBlanksLeft() const {
    return bytes_.find_first_not_of(" \t\r\n", pos_) == std::string_view::npos;
  }

  std::string_view Next() {
    if (AtEnd()) Fail(platform::kErrInputPastEnd, "Input past end of file");
    std::size_t end = bytes_.find_first_of("\r\n", pos_);
    if (end == std::string_view::npos) end = bytes_.size();
    std::string_view line = bytes_.substr(pos_, end - pos_);
    pos_ = end;
    if (pos_ < bytes_.size() && bytes_[pos_] == '\r') {
      ++pos_;
      if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
    } else if (pos_ < bytes_.size()) {
      ++pos_;
    }
    return line;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

std::string TrimBlanks(std::string_view s) { return std::string(core::Trimmed(s, core::kBlanks)); }

std::uint8_t ByteValue(std::string_view line) {
  long v = core::RoundHalfEven(core::ValPrefix(line));
  if (v < 0 || v > 255) Fail(platform::kErrOverflow, "Overflow");
  return static_cast<std::uint8_t>(v);
}

// An option code the dialogs show as one of `max` + 1 choices.
std::uint8_t CodeValue(std::string_view line, int max) {
  std::uint8_t v = ByteValue(line);
  if (v > max) Fail(platform::kErrInvalidCall, "Invalid procedure call or argument");
  return v;
}

std::uint8_t LastIndex(std::string_view line) {
  std::uint8_t v = ByteValue(line);
  if (v > kLastSlot) Fail(platform::kErrSubscript, "Subscript out of range");
  return v;
}

float FloatValue(std::string_view line) {
  double v = core::ValPrefix(line);
  if (std::fabs(v) > FLT_MAX) Fail(platform::kErrOverflow, "Overflow");
  return static_cast<float>(v);
}

std::int16_t ShortValue(std::string_view line) {
  long v = core::RoundHalfEven(core::ValPrefix(line));
  if (v < -32768 || v > 32767) Fail(platform::kErrOverflow, "Overflow");
  return static_cast<std::int16_t>(v);
}

void Expect(std::string_view line, std::string_view marker) {
  if (TrimBlanks(line).rfind(marker, 0) != 0) Fail(kErrBadFileFormat, "Invalid file format");
}

class ProjectParser {
 public:
  ProjectParser(std::string_view bytes, core::SharedState& s) : in_(bytes), s_(s) {}

  ProjectReadResult Parse() {
    ProjectReadResult r;
    if (in_.Next().substr(0, 8) != "VDL V3.0") {
      r.olderLayout = true;
      ParseOlderBlock();
      // Further blocks of the older layout overwrite the same values.
      while (!in_.OnlyBlanksLeft()) {
        in_.Next();
        ParseOlderBlock();
      }
      r.airfoilFileName = s_.airfoilName + "." + s_.airfoilExt;
    } else {
      // Nothing follows the end line in a file we wrote; whatever does is ignored.
      r.airfoilFileName = ParseCurrent();
    }
    DerivedValues();
    r.ok = true;
    return r;
  }

 private:
  std::string Text() { return Cp1252ToUtf8(in_.Next()); }
  float Length(const std::string& text) { return core::LengthFromText(text, s_.unitText); }
  // A text line copied and converted to millimetres.
  float LengthLine(std::string& text) {
    text = Text();
    return Length(text);
  }

  // Line 2, the airfoil's file name, and line 3, its name; returns the file name.
  std::string AirfoilNames() {
    const std::string_view fileName = in_.Next();
    s_.airfoilExt = Cp1252ToUtf8(fileName.size() >= 3 ? fileName.substr(fileName.size() - 3) : fileName);
    s_.airfoilName = Text();
    return Cp1252ToUtf8(fileName);
  }

  // A reserved number line: kept as the text of its number.
  std::string Reserved() { return core::PlainNumberText(core::ValPrefix(in_.Next())); }

  std::string ParseCurrent() {
    std::string fileName = AirfoilNames();
    s_.annotationText = Text();
    s_.textX = LengthLine(s_.textXText);
    s_.textY = LengthLine(s_.textYText);
    s_.chord = LengthLine(s_.chordText);
    s_.sheetingThickness = LengthLine(s_.sheetingText);
    s_.leadingEdgeDepth = LengthLine(s_.leadingEdgeText);
    s_.squareLeSize = LengthLine(s_.squareLeSizeText);
    s_.squareLeX = LengthLine(s_.squareLeXText);
    s_.squareLeY = LengthLine(s_.squareLeYText);
    s_.blockDepth = LengthLine(s_.blockDepthText);
    s_.leadingEdgeStyle = ByteValue(in_.Next());
    s_.inverted = ByteValue(in_.Next()) == 1;
    s_.reservedLine16 = Text();

    Expect(in_.Next(), "Spars");
    core::SparTable& sp = s_.spars;
    sp.sparLast = LastIndex(in_.Next());
    for (std::size_t i = 0; i <= sp.sparLast; ++i) {
      sp.sparPosText[i] = Text();
      sp.sparWidth[i] = LengthLine(sp.sparWidthText[i]);
      sp.sparHeight[i] = LengthLine(sp.sparHeightText[i]);
      sp.sparUpper[i] = CodeValue(in_.Next(), 2);
      sp.sparLower[i] = CodeValue(in_.Next(), 2);
      sp.sparType[i] = CodeValue(in_.Next(), 3);
      sp.sparInset[i] = LengthLine(sp.sparInsetText[i]);
      sp.sparFromTE[i] = CodeValue(in_.Next(), 1);
      sp.sparReserved[i] = Reserved();
    }

    Expect(in_.Next(), "Holes");
    core::HoleTable& ho = s_.holes;
    ho.holeLast = LastIndex(in_.Next());
    for (std::size_t i = 0; i <= ho.holeLast; ++i) {
      ho.holePosText[i] = Text();
      ho.holeSize[i] = LengthLine(ho.holeSizeText[i]);
      ho.holeCentred[i] = FloatValue(in_.Next());
      ho.holeOffset[i] = LengthLine(ho.holeOffsetText[i]);
      ho.holeHeight[i] = LengthLine(ho.holeHeightText[i]);
      ho.holeFromTE[i] = CodeValue(in_.Next(), 1);
      ho.holeRect[i] = CodeValue(in_.Next(), 1);
      ho.holeReserved[i] = Reserved();
    }

    s_.tabLengthText = Text();
    if (s_.tabLengthText.empty()) s_.tabLengthText = "0";
    s_.tabRearText = Text();
    if (s_.tabRearText.empty()) s_.tabRearText = "0";
    s_.trailingEdgeDepth = LengthLine(s_.trailingEdgeText);
    s_.markCount = ByteValue(in_.Next());
    s_.boardAngle = FloatValue(in_.Next());
    s_.blockHeight0 = LengthLine(s_.blockHeight0Text);
    s_.blockHeight4 = LengthLine(s_.blockHeight4Text);
    s_.blockLe = LengthLine(s_.blockLeText);
    s_.blockTe = LengthLine(s_.blockTeText);
    s_.baseMode = ByteValue(in_.Next());
    s_.blockTailSide = CodeValue(in_.Next(), 1);
    s_.tabLowerDist = LengthLine(s_.tabLowerDistText);
    TabSideLine(Text());
    Expect(in_.Next(), "End of File");
    return fileName;
  }

  // "side#distance": the board side and the typed upper-side distance (stored negated).
  // The distance text is kept as typed so that an inch fraction survives a save.
  void TabSideLine(const std::string& line) {
    std::size_t hash = line.find('#');
    if (hash == std::string::npos) return;
    s_.tabSide = ShortValue(std::string_view(line).substr(0, hash));
    s_.tabUpperDistText = line.substr(hash + 1);
    s_.tabUpperDist = -static_cast<double>(Length(s_.tabUpperDistText));
  }

  // One block of the older layout, after its first line.
  void ParseOlderBlock() {
    AirfoilNames();
    InsertedTextLine(in_.Next());
    s_.chord = LengthLine(s_.chordText);
    s_.sheetingThickness = LengthLine(s_.sheetingText);
    s_.leadingEdgeDepth = LengthLine(s_.leadingEdgeText);
    s_.squareLeSize = LengthLine(s_.squareLeSizeText);
    s_.squareLeX = LengthLine(s_.squareLeXText);
    s_.squareLeY = LengthLine(s_.squareLeYText);
    // Stored as a plain number of millimetres; a text is made from it so that the
    // conversion keeps it.
    s_.blockDepth = FloatValue(in_.Next());
    s_.blockDepthText = core::LengthToText(s_.blockDepth, s_.unitText);
    const std::string style = TrimBlanks(in_.Next());
    if (style == "True") s_.leadingEdgeStyle = 1;
    else if (style == "False") s_.leadingEdgeStyle = 0;

    core::SparTable& sp = s_.spars;
    sp.sparLast = LastIndex(in_.Next());
    for (std::size_t i = 0; i <= sp.sparLast; ++i) {
      sp.sparPosText[i] = Text();
      sp.sparWidth[i] = LengthLine(sp.sparWidthText[i]);
      sp.sparHeight[i] = LengthLine(sp.sparHeightText[i]);
      sp.sparUpper[i] = CodeValue(in_.Next(), 2);
      sp.sparLower[i] = CodeValue(in_.Next(), 2);
      sp.sparType[i] = CodeValue(in_.Next(), 3);
    }
    core::HoleTable& ho = s_.holes;
    ho.holeLast = LastIndex(in_.Next());
    for (std::size_t i = 0; i <= ho.holeLast; ++i) {
      ho.holePosText[i] = Text();
      ho.holeSize[i] = LengthLine(ho.holeSizeText[i]);
      ho.holeCentred[i] = FloatValue(in_.Next());
      ho.holeOffset[i] = LengthLine(ho.holeOffsetText[i]);
    }

    s_.trailingEdgeDepth = LengthLine(s_.trailingEdgeText);
    s_.markCount = ByteValue(in_.Next());
    s_.boardAngle = FloatValue(in_.Next());

    const std::string block = Text();
    std::size_t hash = block.find('#');
    s_.blockHeight0Text = block.substr(0, hash);
    s_.blockHeight0 = Length(s_.blockHeight0Text);
    if (hash != std::string::npos) {
      s_.blockHeight4Text = block.substr(hash + 1);
      s_.blockHeight4 = Length(s_.blockHeight4Text);
    }
    s_.blockLe = LengthLine(s_.blockLeText);
    s_.blockTe = LengthLine(s_.blockTeText);

    std::string_view mode = in_.Next();
    hash = mode.find('#');
    s_.baseMode = ByteValue(mode.substr(0, hash));
    if (hash != std::string_view::npos) s_.blockTailSide = CodeValue(mode.substr(hash + 1), 1);
  }

  // "text§Xx§Yy" in one line; a line of exactly 3 characters holds no text.
  void InsertedTextLine(std::string_view raw) {
    if (raw.size() == 3) return;
    std::size_t p = raw.find("\xA7X");
    std::size_t q = raw.find("\xA7Y");
    if (p == std::string_view::npos || q == std::string_view::npos || q < p + 2)
      Fail(platform::kErrInvalidCall, "Invalid procedure call or argument");
    s_.annotationText = Cp1252ToUtf8(raw.substr(0, p));
    s_.textXText = Cp1252ToUtf8(raw.substr(p + 2, q - p - 2));
    s_.textX = Length(s_.textXText);
    s_.textYText = Cp1252ToUtf8(raw.substr(q + 2));
    s_.textY = Length(s_.textYText);
  }

  // Values the trace draws from that only a dialog would otherwise work out, so that an
  // opened rib draws as it was saved.
  void DerivedValues() {
    s_.tabLength = core::PercentLength(s_.tabLengthText, s_);
    s_.tabRear = core::PercentLength(s_.tabRearText, s_);
    s_.tabReach = s_.tabLength + s_.tabRear;
    s_.blockTotal = s_.blockLe + s_.chord + s_.blockTe;
  }

  LineReader in_;
  core::SharedState& s_;
};

// The folder part of a path, up to and including its last separator.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of(fs::path::preferred_separator == '/' ? "/" : "/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

ErrorInfo WriteError(const std::string& path) {
  std::error_code ec;
  fs::path folder = fs::path(path).parent_path();
  if (!folder.empty() && !fs::is_directory(folder, ec)) return {platform::kErrPathNotFound, "Path not found"};
  return {kErrFileAccess, "Path/File access error"};
}


void SearchFolder(const fs::path& dir, const std::string& fileName, int depth, std::set<fs::path>& visited,
                  std::string& found) {
  std::error_code ec;
  fs::path real = fs::canonical(dir, ec);
  if (ec || depth > kMaxSearchDepth || !visited.insert(real).second) return;
  std::vector<fs::path> files;
  std::vector<fs::path> folders;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeEc;
    if (it->is_directory(typeEc)) folders.push_back(it->path());
    else if (it->is_regular_file(typeEc) && core::EqualsIgnoringCase(it->path().filename().string(), fileName))
      files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  std::sort(folders.begin(), folders.end());
  for (const fs::path& f : files) found = f.string();
  for (const fs::path& d : folders) SearchFolder(d, fileName, depth + 1, visited, found);
}

}  // namespace

// ---- Writer ----

std::string ProjectFileText(const core::SharedState& s) {
  LineWriter w;
  w.Text(kProjectHeader);
  w.Text(s.airfoilName + "." + s.airfoilExt);
  w.Text(s.airfoilName);
  w.Text(s.annotationText);
  w.Text(s.textXText);
  w.Text(s.textYText);
  w.Text(s.chordText);
  w.Text(s.sheetingText);
  w.Text(s.leadingEdgeText);
  w.Text(s.squareLeSizeText);
  w.Text(s.squareLeXText);
  w.Text(s.squareLeYText);
  w.Text(s.blockDepthText);
  w.CountA(s.leadingEdgeStyle);
  w.CountA(s.inverted ? 1 : 0);
  w.Text(s.reservedLine16);

  w.Text("Spars");
  const core::SparTable& sp = s.spars;
  const std::size_t sparLast = std::min<std::size_t>(sp.sparLast, core::kTableSlots - 1);
  w.CountA(static_cast<long>(sparLast));
  for (std::size_t i = 0; i <= sparLast; ++i) {
    w.Text(sp.sparPosText[i]);
    w.Text(sp.sparWidthText[i]);
    w.Text(sp.sparHeightText[i]);
    w.PlainB(sp.sparUpper[i]);
    w.PlainB(sp.sparLower[i]);
    w.PlainB(sp.sparType[i]);
    w.Text(sp.sparInsetText[i]);
    w.PlainB(sp.sparFromTE[i]);
    w.Text(sp.sparReserved[i]);
  }

  w.Text("Holes");
  const core::HoleTable& ho = s.holes;
  const std::size_t holeLast = std::min<std::size_t>(ho.holeLast, core::kTableSlots - 1);
  w.CountA(static_cast<long>(holeLast));
  for (std::size_t i = 0; i <= holeLast; ++i) {
    w.Text(ho.holePosText[i]);
    w.Text(ho.holeSizeText[i]);
    w.PlainB(ho.holeCentred[i]);
    w.Text(ho.holeOffsetText[i]);
    w.Text(ho.holeHeightText[i]);
    w.PlainB(ho.holeFromTE[i]);
    w.PlainB(ho.holeRect[i]);
    w.Text(ho.holeReserved[i]);
  }

  w.Text(s.tabLengthText);
  w.Text(s.tabRearText);
  w.Text(s.trailingEdgeText);
  w.PlainB(s.markCount);
  w.PlainB(s.boardAngle);
  w.Text(s.blockHeight0Text);
  w.Text(s.blockHeight4Text);
  w.Text(s.blockLeText);
  w.Text(s.blockTeText);
  w.PlainB(s.baseMode);
  w.PlainB(s.blockTailSide);
  w.Text(s.tabLowerDistText);
  w.Text(std::to_string(s.tabSide) + "#" + s.tabUpperDistText);
  w.Text(kProjectEndLine);
  return w.Bytes();
}

bool WriteProject(const core::SharedState& s, const std::string& path, ErrorInfo* error) {
  if (WriteFileAtomically(path, ProjectFileText(s))) return true;
  if (error) *error = WriteError(path);
  return false;
}

bool SaveProjectAs(core::SharedState& s, const std::string& path) {
  s.projectPath = path;
  s.projectTitle = FileNameOf(path);
  ErrorInfo error;
  if (!WriteProject(s, path, &error)) {
    s.messageText = platform::ReportGeneralError(kSaveProjectTag, error);
    return false;
  }
  s.projectModified = false;
  s.projectSaved = true;
  if (!s.iniFile.empty()) s.iniWriteOk = WriteINIFile("Repertoires", "LastOpenVdl", FolderOf(path), s.iniFile);
  return true;
}

namespace {
platform::FileDialogRequest ProjectDialogRequest(const core::SharedState& s) {
  platform::FileDialogRequest r;
  r.filter = Text("MainTolbar", "26") + " Vandrell" + " (*.vdl)|*.vdl|";
  r.initialDir = s.iniFile.empty() ? std::string() : GetINIFile("Repertoires", "LastOpenVdl", s.iniFile);
  if (r.initialDir.empty()) r.initialDir = s.airfoilDir;
  return r;
}
}  // namespace

platform::FileDialogRequest SaveProjectRequest(const core::SharedState& s) {
  platform::FileDialogRequest r = ProjectDialogRequest(s);
  r.defaultExt = "vdl";
  r.overwritePrompt = true;
  return r;
}

platform::FileDialogRequest OpenProjectRequest(const core::SharedState& s) {
  platform::FileDialogRequest r = ProjectDialogRequest(s);
  r.title = Text("fileopen", "2");
  return r;
}

// ---- Reader ----

ProjectReadResult ReadProjectText(std::string_view bytes, core::SharedState& s) {
  core::SharedState work = s;
  ProjectReadResult r;
  try {
    r = ProjectParser(bytes, work).Parse();
  } catch (const ReadFailure& failure) {
    r = ProjectReadResult{};
    r.error = failure.error;
    return r;
  }
  s = std::move(work);
  return r;
}

ProjectReadResult ReadProjectFile(const std::string& path, core::SharedState& s) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ProjectReadResult r;
    r.error = {platform::kErrFileNotFound, "File not found"};
    return r;
  }
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  core::SharedState work = s;
  ProjectReadResult r = ReadProjectText(bytes, work);
  if (!r.ok) return r;
  if (r.olderLayout && !WriteProject(work, path, &r.error)) {
    r.ok = false;
    return r;
  }
  s = std::move(work);
  return r;
}

// ---- Airfoil search ----

std::string SearchAirfoil(const std::string& dir, const std::string& fileName) {
  std::string found;
  if (dir.empty() || fileName.empty()) return found;
  std::set<fs::path> visited;
  SearchFolder(fs::path(dir), fileName, 0, visited, found);
  return found;
}

std::string FindProjectAirfoil(const core::SharedState& s, const std::string& fileName) {
  std::string found = SearchAirfoil(s.airfoilDir, fileName);
  if (found.empty()) found = SearchAirfoil(s.seriesAirfoilDir, fileName);
  return found;
}

// ---- Opening a project ----

void StateOnlyProjectWindow::NewRib(core::SharedState& s) { core::ClearRib(s); }

OpenProjectOutcome OpenProjectFile(core::SharedState& s, const std::string& path, ProjectWindow& window) {
  s.projectPath = path;
  window.NewRib(s);
  window.SetBusy(true);
  s.quietRead = true;

  // Ends an open that found no usable airfoil: the set-up stays, the view is empty.
  auto endWithoutAirfoil = [&](OpenProjectOutcome outcome) {
    s.quietRead = false;
    window.SetBusy(false);
    window.ClearView();
    return outcome;
  };

  ProjectReadResult read = ReadProjectFile(path, s);
  if (!read.ok) {
    s.messageText = platform::ReportGeneralError(kOpenProjectTag, read.error);
    return endWithoutAirfoil(OpenProjectOutcome::Failed);
  }

  s.airfoilPath = FindProjectAirfoil(s, read.airfoilFileName);
  if (s.airfoilPath.empty()) {
    platform::Inform(Text("fileopen", "3") + " " + read.airfoilFileName + "\n" + " " + Text("fileopen", "4") + " " +
                         "\n" + s.airfoilDir + " " + Text("fileopen", "5") + " " + s.seriesAirfoilDir,
                     platform::kProgramTitle);
    return endWithoutAirfoil(OpenProjectOutcome::AirfoilMissing);
  }

  AirfoilReadResult airfoil = FichierLecture(s);
  if (!airfoil.ok()) {
    ShowAirfoilReadFailure(airfoil, Text("frmopen", "1"));
    return endWithoutAirfoil(OpenProjectOutcome::AirfoilUnreadable);
  }
  // The open dialog refuses such files too; the preparation needs five points.
  if (s.pointCount < 5) {
    platform::Inform(Text("frmopen", "23"), Text("frmopen", "1"));
    return endWithoutAirfoil(OpenProjectOutcome::AirfoilUnreadable);
  }

  const std::string projectFile = FileNameOf(path);
  s.projectPath = projectFile;
  s.airfoilLoaded = true;
  s.projectModified = false;
  s.quietRead = false;
  window.SetCaption(std::string(platform::kProgramTitle) + " " + Text("MainTolbar", "26") + " : " + projectFile +
                    " " + Text("MainTolbar", "11") + " : " + s.airfoilName);
  core::PrepareAirfoil(s);
  window.SetBusy(false);
  return OpenProjectOutcome::Opened;
}

OpenProjectOutcome NewVdl(core::SharedState& s, ProjectWindow& window) {
  std::string path;
  if (!platform::CurrentFileDialogs().Open(OpenProjectRequest(s), path)) return OpenProjectOutcome::Cancelled;
  s.iniWriteOk = WriteINIFile("Repertoires", "LastOpenVdl", FolderOf(path), s.iniFile);
  return OpenProjectFile(s, path, window);
}

}  // namespace files
