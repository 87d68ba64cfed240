#include "support/dxfsummary.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/airfoilprep.h"
#include "files/airfoilfile.h"

namespace dxftest {

std::vector<Pair> Pairs(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF at byte " << start;
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(lines.back().find('\n'), std::string::npos) << "a bare LF near byte " << start;
  }
  EXPECT_EQ(lines.size() % 2, 0u);
  std::vector<Pair> pairs;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2)
    pairs.push_back({lines[i].substr(std::min(lines[i].find_first_not_of(' '), lines[i].size())), lines[i + 1]});
  return pairs;
}

std::vector<Item> Items(const std::string& text) {
  const std::vector<Pair> pairs = Pairs(text);
  std::vector<Item> items;
  bool inEntities = false, inPolyline = false;
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    if (pairs[i].code == "2" && pairs[i].value == "ENTITIES") inEntities = true;
    if (!inEntities || pairs[i].code != "0") continue;
    if (pairs[i].value == "ENDSEC") break;
    Item item{pairs[i].value, "", "", "", {}, 0, 0, 0};
    std::vector<double> xs, ys;
    for (std::size_t j = i + 1; j < pairs.size() && pairs[j].code != "0"; ++j) {
      const auto& [code, value] = pairs[j];
      if (code == "8") item.layer = value;
      if (code == "70" && item.flag.empty()) item.flag = value.substr(std::min(value.find_first_not_of(' '), value.size()));
      if (code == "10") xs.push_back(std::stod(value));
      if (code == "20") ys.push_back(std::stod(value));
      if (code == "40") (item.type == "CIRCLE" ? item.radius : item.height) = std::stod(value);
      if (code == "1") item.text = value;
      if (code == "50") item.angle = std::stod(value);
    }
    for (std::size_t k = 0; k < xs.size() && k < ys.size(); ++k) item.points.push_back({xs[k], ys[k]});
    if (item.type == "VERTEX" && inPolyline) {
      items.back().points.push_back(item.points.at(0));
      continue;
    }
    inPolyline = item.type == "POLYLINE";
    if (item.type == "POLYLINE") item.points.clear();  // its own point is no vertex
    if (item.type != "SEQEND") items.push_back(item);
  }
  return items;
}

std::vector<Entity> Entities(const std::string& text) {
  std::vector<Entity> entities;
  // Groups count for the entity they follow only when it is one collected here: a TEXT's
  // layer is not the polyline's before it.
  bool inEntities = false, inVertex = false, collecting = false;
  for (const auto& [code, value] : Pairs(text)) {
    if (code == "2" && value == "ENTITIES") inEntities = true;
    if (!inEntities) continue;
    if (code == "0" && value == "ENDSEC") break;
    if (code == "0") {
      const bool polylineOpen = collecting && !entities.empty() && entities.back().type == "POLYLINE";
      inVertex = value == "VERTEX" && polylineOpen;
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
