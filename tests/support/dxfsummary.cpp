#include "support/dxfsummary.h"

#include <gtest/gtest.h>

#include "core/airfoilprep.h"
#include "files/airfoilfile.h"

namespace dxftest {

std::vector<Entity> Entities(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF at byte " << start;
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos) << "a bare LF near byte " << start;
  }
  EXPECT_EQ(lines.size() % 2, 0u);
  std::vector<Entity> entities;
  // `collecting`: the codes that follow belong to a POLYLINE or CIRCLE being collected, not
  // to an entity left out (TEXT, SEQEND, ...), whose layer is no concern of the last one's.
  bool inEntities = false, inVertex = false, collecting = false;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
    const std::string &code = lines[i], &value = lines[i + 1];
    if (code == "2" && value == "ENTITIES") inEntities = true;
    if (!inEntities) continue;
    if (code == "0" && value == "ENDSEC") break;
    if (code == "0") {
      inVertex = value == "VERTEX" && !entities.empty() && entities.back().type == "POLYLINE";
      collecting = value == "POLYLINE" || value == "CIRCLE" || inVertex;
      if (value == "POLYLINE" || value == "CIRCLE") entities.push_back(Entity{value, "", "", "", "", {}});
      if (inVertex) entities.back().vertices.emplace_back();
      continue;
    }
    if (!collecting) continue;
    Entity& e = entities.back();
    if (inVertex) {
      if (code == "10") e.vertices.back().first = value;
      if (code == "20") e.vertices.back().second = value;
    } else if (code == "5") e.handle = value;
    else if (code == "8") e.layer = value;
    else if (code == "70") e.flag = value;
    else if (code == "40") e.radius = value;
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

core::RibDocument Rib(const std::string& airfoil) {
  core::RibDocument s;
  s.airfoil.path = airfoil;
  EXPECT_TRUE(files::ReadAirfoilInto(s.airfoil).ok()) << airfoil;
  files::SplitAirfoilFileName(airfoil, s.airfoil.name, s.airfoil.ext);
  core::InstallPreparedAirfoil(s);
  s.airfoil.loaded = true;
  return s;
}

}  // namespace dxftest
