// The helper the DXF tests read written files with: an entity it leaves out gives its codes
// to no other.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/dxfsummary.h"

namespace {

std::string DxfLines(const std::vector<std::string>& pairs) {
  std::string text;
  for (const std::string& line : pairs) text += line + "\r\n";
  return text;
}

TEST(DxfSummary, EntitiesLeftOutKeepTheirLayerToThemselves) {
  // A closed JIG loop of three vertices, then a TEXT on MARK and a LINE on SHEET: the loop
  // stays on JIG, the only entity read, with its three vertices and handle 2A.
  const std::string text = DxfLines({"0", "SECTION", "2", "ENTITIES",
                                     "0", "POLYLINE", "5", "2A", "8", "JIG", "66", "1", "70", "1",
                                     "0", "VERTEX", "8", "JIG", "10", "0.0", "20", "0.0",
                                     "0", "VERTEX", "8", "JIG", "10", "5.0", "20", "0.0",
                                     "0", "VERTEX", "8", "JIG", "10", "5.0", "20", "5.0",
                                     "0", "SEQEND", "8", "JIG",
                                     "0", "TEXT", "5", "2B", "8", "MARK", "10", "1.0", "20", "1.0", "40", "4.0", "1", "R01",
                                     "0", "LINE", "8", "SHEET", "70", "0", "10", "9.0", "20", "9.0",
                                     "0", "ENDSEC", "0", "EOF"});
  const std::vector<dxftest::Entity> entities = dxftest::Entities(text);
  ASSERT_EQ(entities.size(), 1u);
  EXPECT_EQ(entities[0].layer, "JIG");
  EXPECT_EQ(entities[0].handle, "2A");
  EXPECT_EQ(entities[0].flag, "1");
  ASSERT_EQ(entities[0].vertices.size(), 3u);
  EXPECT_EQ(entities[0].vertices[2], std::make_pair(std::string("5.0"), std::string("5.0")));
}

}  // namespace
