#include "sharedwindows/openairfoil.h"

#include "platform/errorreport.h"
#include "platform/texts.h"

namespace sharedwindows {

using platform::Text;

std::vector<std::string> AirfoilFileTypes() {
  // The English words stand where a language file lacks them.
  auto words = [](const char* key, const char* english) {
    std::string text = Text("frmopen", key);
    return text.empty() ? std::string(english) : text;
  };
  return {words("39", "Selig files") + " (*.dat)", words("40", "Coordinate files") + " (*.cor)"};
}

FileChoice ChooseFile(const std::string& path) {
  FileChoice c;
  c.path = path;
  files::SplitAirfoilFileName(c.path, c.name, c.ext);
  c.result = files::ReadAirfoilFile(c.path, c.data);
  if (c.result.ok()) {
    c.summary = !c.data.title.empty() && c.data.title.front() == '1' ? c.name : c.data.title;
    c.pointCountText = std::to_string(c.data.pointCount) + " " + Text("frmopen", "24");
  } else {
    c.summary = c.result.shortText;
  }
  if (c.result.status == files::AirfoilReadStatus::Error)
    c.problem = platform::GeneralErrorText(c.result.error);
  else if (!c.result.ok())
    c.problem = c.result.boxText;
  else if (files::TooFewPoints(c.data.pointCount))
    c.problem = Text("frmopen", "23");
  if (c.ext == "vdl" || c.ext == "VDL" || c.ext == "txt" || c.ext == "TXT")
    c.summary = "This file is NOT an Airfoil file....";
  if (c.name == "UNINSTAL" || c.name == "Uninstal") c.summary = "Caution Uninstall file....";
  return c;
}

void DrawAirfoilPreview(platform::DrawTarget& target, const files::AirfoilData& data) {
  constexpr int kBlack = 0;
  constexpr int kRed = 12;  // RGB 255, 0, 0
  target.Line(8, 100, 116, 100, {kBlack});
  auto at = [&](int i, double& x, double& y) {
    x = 12 + 100 * data.x[static_cast<std::size_t>(i)];
    y = 100 - 100 * data.y[static_cast<std::size_t>(i)];
  };
  for (int i = 2; i <= data.pointCount; ++i) {
    double x1, y1, x2, y2;
    at(i - 1, x1, y1);
    at(i, x2, y2);
    target.Line(x1, y1, x2, y2, {kRed});
  }
}

}  // namespace sharedwindows
