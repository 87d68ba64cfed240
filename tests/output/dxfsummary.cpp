#include "dxfsummary.h"

#include <gtest/gtest.h>

#include "core/airfoilprep.h"
#include "files/airfoilfile.h"

namespace dxftest {

std::vector<std::pair<std::string, std::string>> Pairs(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF at byte " << start;
    if (end == std::string::npos) break;
    EXPECT_EQ(text.substr(start, end - start).find('\n'), std::string::npos) << "a bare LF near byte " << start;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(lines.size() % 2, 0u);
  std::vector<std::pair<std::string, std::string>> pairs;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) pairs.emplace_back(lines[i], lines[i + 1]);
  return pairs;
}

std::vector<Entity> Entities(const std::string& text) {
  auto pairs = Pairs(text);
  std::vector<Entity> entities;
  bool inEntities = false;
  std::pair<std::string, std::string>* pendingX = nullptr;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    const auto& [code, value] = pairs[i];
    if (code == "2" && value == "ENTITIES") inEntities = true;
    if (!inEntities) continue;
    if (code == "0" && value == "ENDSEC") break;
    if (code == "0" && (value == "POLYLINE" || value == "CIRCLE")) {
      entities.push_back(Entity{value, "", "", "", {}, "", "", ""});
      continue;
    }
    if (code == "0" && value == "VERTEX") {
      entities.back().vertices.emplace_back();
      pendingX = &entities.back().vertices.back();
      continue;
    }
    if (code == "0") {
      pendingX = nullptr;
      continue;
    }
    if (entities.empty()) continue;
    Entity& e = entities.back();
    if (pendingX) {
      if (code == "10") pendingX->first = value;
      if (code == "20") pendingX->second = value;
      continue;
    }
    if (code == "5") e.handle = value;
    if (code == "8") e.layer = value;
    if (code == "70") e.flag = value;
    if (code == "10") e.centreX = value;
    if (code == "20") e.centreY = value;
    if (code == "40") e.radius = value;
  }
  return entities;
}

std::vector<std::string> Summary(const std::vector<Entity>& entities, bool handles) {
  std::vector<std::string> lines;
  for (const Entity& e : entities) {
    std::string tag = handles ? e.layer + " " + e.handle.substr(e.handle.find_first_not_of(' ')) : e.layer;
    if (e.type == "CIRCLE") lines.push_back("CIRCLE " + tag);
    else
      lines.push_back("POLYLINE " + tag + (e.flag == " 1" ? " closed " : " open ") + std::to_string(e.vertices.size()));
  }
  return lines;
}

core::SharedState Rib(const std::string& airfoil) {
  core::SharedState s;
  s.airfoilPath = airfoil;
  s.quietRead = true;
  EXPECT_TRUE(files::FichierLecture(s).ok()) << airfoil;
  files::SplitAirfoilFileName(airfoil, s.airfoilName, s.airfoilExt);
  core::PrepareAirfoil(s);
  s.airfoilLoaded = true;
  return s;
}

}  // namespace dxftest
