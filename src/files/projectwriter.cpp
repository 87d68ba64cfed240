// The project writer: the current layout, line by line, each line as the rib's file has
// it while its value is the one read there.
#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "core/numformat.h"
#include "files/ini.h"
#include "files/projectfile.h"
#include "platform/errorreport.h"
#include "platform/fileio.h"

namespace files {

namespace fs = std::filesystem;
using platform::ErrorInfo;

namespace {

// A text line may not break the one-value-a-line layout.
std::string OneLine(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '\r', ' ');
  std::replace(out.begin(), out.end(), '\n', ' ');
  return out;
}

// The lines of the current layout, each named by its part of the file ("head", "spar 2",
// "tail"...) and its place there, so that a line can be matched with the one it was read
// from although spars or holes came or went.
class LineWriter {
 public:
  void Part(std::string name) {
    part_ = std::move(name);
    place_ = 0;
  }
  void Text(std::string_view text) { Add(Utf8ToCp1252(OneLine(text))); }
  // An integer: sign position, digits, one trailing blank.
  void Integer(long value) { Add(core::IntegerText(value) + " "); }
  // The plain number.
  void Number(std::uint8_t value) { Add(std::to_string(value)); }
  void Number(float value) { Add(core::PlainNumberText(value)); }
  // A code: the number it is stored as.
  template <class Code>
    requires std::is_enum_v<Code>
  void Number(Code code) { Number(static_cast<std::uint8_t>(code)); }
  std::vector<core::ProjectFileLine> Take() { return std::move(lines_); }

 private:
  void Add(std::string meaning) {
    lines_.push_back({part_ + "/" + std::to_string(place_++), std::move(meaning), {}});
  }
  std::vector<core::ProjectFileLine> lines_;
  std::string part_;
  int place_ = 0;
};

}  // namespace

// The folder part of a path, up to and including its last separator.
std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of(fs::path::preferred_separator == '/' ? "/" : "/\\");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileNameOf(const std::string& path) { return path.substr(FolderOf(path).size()); }

std::vector<core::ProjectFileLine> LinesAfresh(const core::RibDocument& document) {
  LineWriter w;
  w.Part("head");
  w.Text(kProjectHeader);
  w.Text(document.airfoil.name + "." + document.airfoil.ext);
  w.Text(document.airfoil.name);
  w.Text(document.rib.caption.text);
  w.Text(document.rib.caption.x.text);
  w.Text(document.rib.caption.y.text);
  w.Text(document.rib.chord.text);
  w.Text(document.rib.sheeting.text);
  w.Text(document.rib.leadingEdge.text);
  w.Text(document.rib.squareLeadingEdge.size.text);
  w.Text(document.rib.squareLeadingEdge.x.text);
  w.Text(document.rib.squareLeadingEdge.y.text);
  w.Text(document.rib.blocks.seatDepth.text);
  w.Integer(static_cast<long>(document.rib.leadingEdgeStyle));
  w.Integer(document.rib.upsideDown ? 1 : 0);
  w.Text(document.rib.reservedLine16);

  w.Part("spars");
  w.Text("Spars");
  const core::SparTable& sp = document.rib.spars;
  const std::size_t sparLast = std::min<std::size_t>(sp.last, core::kTableSlots - 1);
  w.Integer(static_cast<long>(sparLast));
  for (std::size_t i = 0; i <= sparLast; ++i) {
    w.Part("spar " + std::to_string(i));
    w.Text(sp[i].positionText);
    w.Text(sp[i].width.text);
    w.Text(sp[i].height.text);
    w.Number(sp[i].upper);
    w.Number(sp[i].lower);
    w.Number(sp[i].shape);
    w.Text(sp[i].inset.text);
    w.Number(sp[i].fromTrailingEdge);
    w.Text(sp[i].reserved);
  }

  w.Part("holes");
  w.Text("Holes");
  const core::HoleTable& ho = document.rib.holes;
  const std::size_t holeLast = std::min<std::size_t>(ho.last, core::kTableSlots - 1);
  w.Integer(static_cast<long>(holeLast));
  for (std::size_t i = 0; i <= holeLast; ++i) {
    w.Part("hole " + std::to_string(i));
    w.Text(ho[i].positionText);
    w.Text(ho[i].size.text);
    w.Number(ho[i].centred);
    w.Text(ho[i].offset.text);
    w.Text(ho[i].height.text);
    w.Number(ho[i].fromTrailingEdge);
    w.Number(ho[i].shape);
    w.Text(ho[i].reserved);
  }

  w.Part("tail");
  w.Text(document.rib.tabs.lengthText);
  w.Text(document.rib.tabs.rearText);
  w.Text(document.rib.trailingEdge.text);
  w.Number(document.rib.markCount);
  w.Number(document.rib.boardAngle);
  w.Text(document.rib.blocks.baseHeight.text);
  w.Text(document.rib.blocks.topHeight.text);
  w.Text(document.rib.blocks.leadingExtension.text);
  w.Text(document.rib.blocks.trailingExtension.text);
  w.Number(document.rib.baseMode);
  w.Number(document.rib.blocks.tail);
  w.Text(document.rib.tabs.lowerDistance.text);
  w.Text(std::to_string(static_cast<int>(document.rib.tabs.board)) + "#" + document.rib.tabs.upperDistance.text);
  w.Text(kProjectEndLine);
  return w.Take();
}

namespace {

// The end of a line: CR LF, LF, CR or none (the file's last line).
std::string_view LineEnd(std::string_view line) {
  if (line.ends_with("\r\n")) return line.substr(line.size() - 2);
  if (line.ends_with('\r') || line.ends_with('\n')) return line.substr(line.size() - 1);
  return {};
}

bool WriteProjectOnce(const core::RibDocument& document, const std::string& path, ErrorInfo* error,
                      core::ProjectFileLines* lines, platform::ReadOnlyFiles readOnly) {
  core::ProjectFileLines out = ProjectLines(document);
  const platform::FileOutcome written = platform::WriteFileAtomically(path, BytesOf(out), readOnly);
  if (written.ok()) {
    if (lines) *lines = std::move(out);
    return true;
  }
  if (error) *error = platform::WriteErrorInfo(written, path);
  return false;
}

}  // namespace

core::ProjectFileLines ProjectLines(const core::RibDocument& document) {
  core::ProjectFileLines out{LinesAfresh(document), document.project.asRead.trailing};
  const std::vector<core::ProjectFileLine>& read = document.project.asRead.lines;
  std::map<std::string_view, const core::ProjectFileLine*> byKey;
  for (const core::ProjectFileLine& line : read) byKey.emplace(line.key, &line);
  // A line the file did not have takes the line end of the file's first.
  const std::string_view newEnd = read.empty() || LineEnd(read.front().bytes).empty() ? std::string_view("\r\n")
                                                                                      : LineEnd(read.front().bytes);
  for (core::ProjectFileLine& line : out.lines) {
    const auto was = byKey.find(line.key);
    if (was == byKey.end()) line.bytes = line.meaning + std::string(newEnd);
    else if (was->second->meaning == line.meaning) line.bytes = was->second->bytes;
    else line.bytes = line.meaning + std::string(LineEnd(was->second->bytes));
  }
  return out;
}

std::string ProjectFileText(const core::RibDocument& document) { return BytesOf(ProjectLines(document)); }

std::string BytesOf(const core::ProjectFileLines& lines) {
  std::string out;
  for (const core::ProjectFileLine& line : lines.lines) out += line.bytes;
  return out + lines.trailing;
}

bool WriteProject(const core::RibDocument& document, const std::string& path, ErrorInfo* error,
                  core::ProjectFileLines* written, platform::ReadOnlyFiles readOnly) {
  try {
    return WriteProjectOnce(document, path, error, written, readOnly);
  } catch (...) {
    if (error) *error = platform::CurrentExceptionError();
    return false;
  }
}

}  // namespace files
