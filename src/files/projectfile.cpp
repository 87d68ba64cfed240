#include "files/projectfile.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <filesystem>
#include <set>
#include <vector>

#include "core/airfoilprep.h"
#include "core/lengths.h"
#include "core/newrib.h"
#include "core/numformat.h"
#include "files/airfoilfile.h"
#include "files/ini.h"
#include "platform/fileio.h"
#include "platform/texts.h"
#include "core/plaintext.h"

namespace files {

namespace fs = std::filesystem;
using platform::ErrorInfo;
using platform::Text;

namespace {

constexpr int kLastSlot = 11;  // the dialogs use slots 0..11; a larger last index is damage
constexpr int kErrBadFileFormat = 321;
constexpr int kMaxSearchDepth = 64;

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
    const std::size_t start = pos_;
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
    raw_.push_back(bytes_.substr(start, pos_ - start));
    return line;
  }

  // Every line read so far, its line end included, and what follows them.
  const std::vector<std::string_view>& RawLines() const { return raw_; }
  std::string_view Rest() const { return bytes_.substr(pos_); }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
  std::vector<std::string_view> raw_;
};

std::string TrimBlanks(std::string_view s) { return std::string(core::Trimmed(s, core::kBlanks)); }

std::uint8_t ByteValue(std::string_view line) {
  long v = core::RoundHalfEven(core::LeadingNumber(line));
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
  double v = core::LeadingNumber(line);
  if (std::fabs(v) > FLT_MAX) Fail(platform::kErrOverflow, "Overflow");
  return static_cast<float>(v);
}

std::int16_t ShortValue(std::string_view line) {
  long v = core::RoundHalfEven(core::LeadingNumber(line));
  if (v < -32768 || v > 32767) Fail(platform::kErrOverflow, "Overflow");
  return static_cast<std::int16_t>(v);
}

void Expect(std::string_view line, std::string_view marker) {
  if (TrimBlanks(line).rfind(marker, 0) != 0) Fail(kErrBadFileFormat, "Invalid file format");
}

class ProjectParser {
 public:
  ProjectParser(std::string_view bytes, core::RibDocument& document) : in_(bytes), document_(document) {}

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
      r.airfoilFileName = document_.airfoil.name + "." + document_.airfoil.ext;
      document_.project.asRead = {};
    } else {
      // Nothing follows the end line in a file we wrote; whatever does is ignored, and
      // kept for the next save.
      r.airfoilFileName = ParseCurrent();
      KeepLinesAsRead();
    }
    r.ok = true;
    return r;
  }

 private:
  std::string Text() { return Cp1252ToUtf8(in_.Next()); }
  float Length(const std::string& text) { return core::LengthFromText(text, document_.settings.unitText); }
  // A text line copied and converted to millimetres.
  void LengthLine(core::Length& length) {
    length.text = Text();
    length.mm = Length(length.text);
  }

  // Line 2, the airfoil's file name, and line 3, its name; returns the file name.
  std::string AirfoilNames() {
    const std::string_view fileName = in_.Next();
    document_.airfoil.ext = Cp1252ToUtf8(fileName.size() >= 3 ? fileName.substr(fileName.size() - 3) : fileName);
    document_.airfoil.name = Text();
    return Cp1252ToUtf8(fileName);
  }

  // Chord, sheeting, leading edge and the square leading edge, in both layouts.
  void MainDimensionLines() {
    LengthLine(document_.rib.chord);
    LengthLine(document_.rib.sheeting);
    LengthLine(document_.rib.leadingEdge);
    LengthLine(document_.rib.squareLeadingEdge.size);
    LengthLine(document_.rib.squareLeadingEdge.x);
    LengthLine(document_.rib.squareLeadingEdge.y);
  }

  // The lines a spar and a hole begin with in both layouts.
  void SparLines(core::SparRow& row) {
    row.positionText = Text();
    LengthLine(row.width);
    LengthLine(row.height);
    row.upper = static_cast<core::SparCut>(CodeValue(in_.Next(), 2));
    row.lower = static_cast<core::SparCut>(CodeValue(in_.Next(), 2));
    row.shape = static_cast<core::SparShape>(CodeValue(in_.Next(), 3));
  }
  void HoleLines(core::HoleRow& row) {
    row.positionText = Text();
    LengthLine(row.size);
    row.centred = FloatValue(in_.Next());
    LengthLine(row.offset);
  }

  // A reserved number line: kept as the text of its number.
  std::string Reserved() { return core::PlainNumberText(core::LeadingNumber(in_.Next())); }

  std::string ParseCurrent() {
    std::string fileName = AirfoilNames();
    document_.rib.caption.text = Text();
    LengthLine(document_.rib.caption.x);
    LengthLine(document_.rib.caption.y);
    MainDimensionLines();
    LengthLine(document_.rib.blocks.seatDepth);
    document_.rib.leadingEdgeStyle = static_cast<core::LeadingEdgeStyle>(ByteValue(in_.Next()));
    document_.rib.upsideDown = ByteValue(in_.Next()) == 1;
    document_.rib.reservedLine16 = Text();

    Expect(in_.Next(), "Spars");
    core::SparTable& sp = document_.rib.spars;
    sp.last = LastIndex(in_.Next());
    for (std::size_t i = 0; i <= sp.last; ++i) {
      SparLines(sp[i]);
      LengthLine(sp[i].inset);
      sp[i].fromTrailingEdge = CodeValue(in_.Next(), 1);
      sp[i].reserved = Reserved();
    }

    Expect(in_.Next(), "Holes");
    core::HoleTable& ho = document_.rib.holes;
    ho.last = LastIndex(in_.Next());
    for (std::size_t i = 0; i <= ho.last; ++i) {
      HoleLines(ho[i]);
      LengthLine(ho[i].height);
      ho[i].fromTrailingEdge = CodeValue(in_.Next(), 1);
      ho[i].shape = static_cast<core::HoleShape>(CodeValue(in_.Next(), 1));
      ho[i].reserved = Reserved();
    }

    document_.rib.tabs.lengthText = Text();
    if (document_.rib.tabs.lengthText.empty()) document_.rib.tabs.lengthText = "0";
    document_.rib.tabs.rearText = Text();
    if (document_.rib.tabs.rearText.empty()) document_.rib.tabs.rearText = "0";
    LengthLine(document_.rib.trailingEdge);
    document_.rib.markCount = ByteValue(in_.Next());
    document_.rib.boardAngle = FloatValue(in_.Next());
    LengthLine(document_.rib.blocks.baseHeight);
    LengthLine(document_.rib.blocks.topHeight);
    LengthLine(document_.rib.blocks.leadingExtension);
    LengthLine(document_.rib.blocks.trailingExtension);
    document_.rib.baseMode = static_cast<core::BaseMode>(ByteValue(in_.Next()));
    document_.rib.blocks.tail = static_cast<core::BlockTail>(CodeValue(in_.Next(), 1));
    LengthLine(document_.rib.tabs.lowerDistance);
    TabSideLine(Text());
    Expect(in_.Next(), "End of File");
    return fileName;
  }

  // "side#distance": the board side and the typed upper-side distance (stored negated).
  // The distance text is kept as typed so that an inch fraction survives a save.
  void TabSideLine(const std::string& line) {
    std::size_t hash = line.find('#');
    if (hash == std::string::npos) return;
    document_.rib.tabs.board = static_cast<core::TabBoard>(ShortValue(std::string_view(line).substr(0, hash)));
    document_.rib.tabs.upperDistance.text = line.substr(hash + 1);
    document_.rib.tabs.upperDistance.mm = -static_cast<double>(Length(document_.rib.tabs.upperDistance.text));
  }

  // Each line read beside the line the writer makes of the value read from it. The
  // writer and the reader go through the layout in the same order.
  void KeepLinesAsRead() {
    std::vector<core::ProjectFileLine> lines = LinesAfresh(document_);
    const std::vector<std::string_view>& raw = in_.RawLines();
    if (lines.size() != raw.size()) {  // never so; the writer's lines then
      document_.project.asRead = {};
      return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) lines[i].bytes = raw[i];
    document_.project.asRead = {std::move(lines), std::string(in_.Rest())};
  }

  // One block of the older layout, after its first line.
  void ParseOlderBlock() {
    AirfoilNames();
    InsertedTextLine(in_.Next());
    MainDimensionLines();
    // Stored as a plain number of millimetres; a text is made from it so that the
    // conversion keeps it.
    document_.rib.blocks.seatDepth.mm = FloatValue(in_.Next());
    document_.rib.blocks.seatDepth.text =
        core::LengthToText(document_.rib.blocks.seatDepth.mm, document_.settings.unitText);
    const std::string style = TrimBlanks(in_.Next());
    if (style == "True") document_.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Plain;
    else if (style == "False") document_.rib.leadingEdgeStyle = core::LeadingEdgeStyle::Square;

    core::SparTable& sp = document_.rib.spars;
    sp.last = LastIndex(in_.Next());
    for (std::size_t i = 0; i <= sp.last; ++i) SparLines(sp[i]);
    core::HoleTable& ho = document_.rib.holes;
    ho.last = LastIndex(in_.Next());
    for (std::size_t i = 0; i <= ho.last; ++i) HoleLines(ho[i]);

    LengthLine(document_.rib.trailingEdge);
    document_.rib.markCount = ByteValue(in_.Next());
    document_.rib.boardAngle = FloatValue(in_.Next());

    const std::string block = Text();
    std::size_t hash = block.find('#');
    document_.rib.blocks.baseHeight.text = block.substr(0, hash);
    document_.rib.blocks.baseHeight.mm = Length(document_.rib.blocks.baseHeight.text);
    if (hash != std::string::npos) {
      document_.rib.blocks.topHeight.text = block.substr(hash + 1);
      document_.rib.blocks.topHeight.mm = Length(document_.rib.blocks.topHeight.text);
    }
    LengthLine(document_.rib.blocks.leadingExtension);
    LengthLine(document_.rib.blocks.trailingExtension);

    std::string_view mode = in_.Next();
    hash = mode.find('#');
    document_.rib.baseMode = static_cast<core::BaseMode>(ByteValue(mode.substr(0, hash)));
    if (hash != std::string_view::npos)
      document_.rib.blocks.tail = static_cast<core::BlockTail>(CodeValue(mode.substr(hash + 1), 1));
  }

  // "text§Xx§Yy" in one line; a line of exactly 3 characters holds no text.
  void InsertedTextLine(std::string_view raw) {
    if (raw.size() == 3) return;
    std::size_t p = raw.find("\xA7X");
    std::size_t q = raw.find("\xA7Y");
    if (p == std::string_view::npos || q == std::string_view::npos || q < p + 2)
      Fail(platform::kErrInvalidCall, "Invalid procedure call or argument");
    document_.rib.caption.text = Cp1252ToUtf8(raw.substr(0, p));
    document_.rib.caption.x.text = Cp1252ToUtf8(raw.substr(p + 2, q - p - 2));
    document_.rib.caption.x.mm = Length(document_.rib.caption.x.text);
    document_.rib.caption.y.text = Cp1252ToUtf8(raw.substr(q + 2));
    document_.rib.caption.y.mm = Length(document_.rib.caption.y.text);
  }

  LineReader in_;
  core::RibDocument& document_;
};


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

// ---- Reader ----

ProjectReadResult ReadProjectText(std::string_view bytes, core::RibDocument& document) {
  core::RibDocument work = document;
  ProjectReadResult r;
  try {
    r = ProjectParser(bytes, work).Parse();
  } catch (const ReadFailure& failure) {
    r = ProjectReadResult{};
    r.error = failure.error;
    return r;
  } catch (...) {
    r = ProjectReadResult{};
    r.error = platform::CurrentExceptionError();
    return r;
  }
  document = std::move(work);
  return r;
}

ProjectReadResult ReadProjectFile(const std::string& path, core::RibDocument& document, OlderLayout older) {
  const platform::ReadOutcome file = platform::ReadWholeFile(path);
  if (!file.ok()) {
    ProjectReadResult r;
    r.error = platform::ReadErrorInfo(file, path);
    return r;
  }
  core::RibDocument work = document;
  ProjectReadResult r = ReadProjectText(file.bytes, work);
  r.fileRead = true;
  if (!r.ok) return r;
  // A file the user may not write stays as it is, and says nothing: it is written in the
  // current layout at the next save.
  if (r.olderLayout && older == OlderLayout::Rewrite && platform::MayWrite(path))
    r.rewritten = WriteProject(work, path, nullptr, &work.project.asRead);
  document = std::move(work);
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

std::string FindProjectAirfoil(const core::RibDocument& document, const std::string& fileName) {
  std::string found = SearchAirfoil(document.settings.airfoilDir, fileName);
  if (found.empty()) found = SearchAirfoil(document.settings.seriesAirfoilDir, fileName);
  return found;
}

}  // namespace files
