#include "sharedwindows/openairfoil.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/texts.h"

namespace sharedwindows {

namespace fs = std::filesystem;
using platform::Text;

const std::vector<std::string>& AirfoilFileTypes() {
  static const std::vector<std::string> types = {"Selig Files (*.dat)", "Coordinates Files (*.cor)"};
  return types;
}

std::string FilterPattern(const std::string& entry) {
  std::size_t close = entry.find(')');
  if (close == std::string::npos || close < 5) return "*.*";
  return entry.substr(close - 5, 5);
}

std::string AbbreviatedPath(const std::string& path) {
  if (path.size() < 31) return path;
  return path.substr(0, 12) + "..." + path.substr(path.size() - 10);
}

namespace {
std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool Matches(const std::string& name, const std::string& pattern) {
  if (pattern == "*.*" || pattern == "*") return true;
  if (pattern.size() < 2 || pattern[0] != '*') return Lower(name) == Lower(pattern);
  const std::string tail = Lower(pattern.substr(1));
  const std::string n = Lower(name);
  return n.size() >= tail.size() && n.compare(n.size() - tail.size(), tail.size(), tail) == 0;
}
}  // namespace

std::vector<std::string> MatchingFiles(const std::string& dir, const std::string& pattern) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    if (Matches(name, pattern)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string la = Lower(a), lb = Lower(b);
    return la == lb ? a < b : la < lb;
  });
  return names;
}

std::vector<DirEntry> DirectoryEntries(const std::string& dir) {
  std::vector<DirEntry> entries;
  const fs::path path = fs::path(dir).lexically_normal();
  fs::path walked;
  int depth = 0;
  for (const fs::path& part : path) {
    if (part.empty()) continue;
    walked /= part;
    entries.push_back({walked.string(), part.string(), depth, false});
    ++depth;
  }
  if (entries.empty()) return entries;
  entries.back().current = true;
  std::vector<std::string> subdirs;
  std::error_code ec;
  for (fs::directory_iterator it(walked, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) subdirs.push_back(it->path().filename().string());
  }
  std::sort(subdirs.begin(), subdirs.end(),
            [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
  for (const std::string& name : subdirs) entries.push_back({(walked / name).string(), name, depth, false});
  return entries;
}

int VolumeIndexFor(const std::vector<std::string>& roots, const std::string& path) {
  int best = -1;
  std::size_t bestLength = 0;
  for (std::size_t i = 0; i < roots.size(); ++i) {
    const std::string& root = roots[i];
    const bool inside = path.compare(0, root.size(), root) == 0 &&
                        (path.size() == root.size() || root.back() == '/' || path[root.size()] == '/');
    if (inside && (best < 0 || root.size() > bestLength)) {
      best = static_cast<int>(i);
      bestLength = root.size();
    }
  }
  return best;
}

FileChoice ChooseFile(const std::string& dir, const std::string& fileName) {
  FileChoice c;
  c.path = (fs::path(dir) / fileName).string();
  files::SplitAirfoilFileName(c.path, c.name, c.ext);
  c.result = files::ReadAirfoilFile(c.path, c.data);
  if (c.result.ok()) {
    c.summary = !c.data.title.empty() && c.data.title.front() == '1' ? c.name : c.data.title;
    c.pointCountText = std::to_string(c.data.pointCount) + " " + Text("frmopen", "24");
  } else {
    c.summary = c.result.shortText;
  }
  if (c.ext == "vdl" || c.ext == "VDL" || c.ext == "txt" || c.ext == "TXT")
    c.summary = "This file is NOT an Airfoil file....";
  if (c.name == "UNINSTAL" || c.name == "Uninstal") c.summary = "Caution Uninstall file....";
  return c;
}

OpenDecision DecideOpen(const FileChoice* choice) {
  if (!choice || choice->path.empty()) return OpenDecision::NoFileChosen;
  return choice->data.pointCount >= 5 ? OpenDecision::Accept : OpenDecision::TooFewPoints;
}

void DrawAirfoilPreview(platform::DrawTarget& target, const files::AirfoilData& data) {
  constexpr int kBlack = 0;
  constexpr int kRed = 12;  // RGB 255, 0, 0
  target.Line(400, 5000, 5800, 5000, kBlack);
  auto at = [&](int i, double& x, double& y) {
    x = 600 + 5000 * data.x[static_cast<std::size_t>(i)];
    y = 5000 - 5000 * data.y[static_cast<std::size_t>(i)];
  };
  for (int i = 2; i <= data.pointCount; ++i) {
    double x1, y1, x2, y2;
    at(i - 1, x1, y1);
    at(i, x2, y2);
    target.Line(x1, y1, x2, y2, kRed);
  }
}

}  // namespace sharedwindows
