#include "sharedwindows/openairfoil.h"

#include "platform/errorreport.h"
#include "platform/textkeys.h"
#include "platform/texts.h"

namespace sharedwindows {

using platform::Text;

std::vector<std::string> AirfoilFileTypes() {
  // The English words stand where a language file lacks them.
  auto words = [](platform::TextKey key, const char* english) {
    std::string text = Text(key);
    return text.empty() ? std::string(english) : text;
  };
  return {words(keys::SeligFilesWord, "Selig files") + " (*.dat)",
          words(keys::CoordinateFilesWord, "Coordinate files") + " (*.cor)"};
}

FileChoice ChooseFile(const std::string& path) {
  FileChoice c;
  c.path = path;
  files::SplitAirfoilFileName(c.path, c.name, c.ext);
  c.result = files::ReadAirfoilFile(c.path, c.data);
  if (c.result.ok()) {
    c.summary = !c.data.title.empty() && c.data.title.front() == '1' ? c.name : c.data.title;
    c.pointCountText = std::to_string(c.data.points.size()) + " " + Text(keys::PointCountAfter);
  } else {
    c.summary = c.result.shortText;
  }
  if (c.result.status == files::AirfoilReadStatus::Error)
    c.problem = platform::GeneralErrorText(c.result.error);
  else if (!c.result.ok())
    c.problem = c.result.boxText;
  else if (files::TooFewPoints(c.data.points.size()))
    c.problem = Text(keys::TooFewPoints);
  if (c.ext == "vdl" || c.ext == "VDL" || c.ext == "txt" || c.ext == "TXT")
    c.summary = "This file is NOT an Airfoil file....";
  if (c.name == "UNINSTAL" || c.name == "Uninstal") c.summary = "Caution Uninstall file....";
  return c;
}

void DrawAirfoilPreview(platform::DrawTarget& target, const files::AirfoilData& data) {
  constexpr int kBlack = 0;
  constexpr int kRed = 12;  // RGB 255, 0, 0
  target.Line(8, 100, 116, 100, {kBlack});
  auto x = [](const core::Point& p) { return 12 + 100 * p.x; };
  auto y = [](const core::Point& p) { return 100 - 100 * p.y; };
  for (std::size_t i = 1; i < data.points.size(); ++i) {
    const core::Point &a = data.points[i - 1], &b = data.points[i];
    target.Line(x(a), y(a), x(b), y(b), {kRed});
  }
}

}  // namespace sharedwindows
