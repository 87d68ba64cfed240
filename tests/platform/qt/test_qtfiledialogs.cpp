// The program's filters become Qt's name filters without showing a pattern twice.
#include <gtest/gtest.h>

#include "platform/qt/qtfiledialogs.h"

TEST(QtFileDialogs, FiltersKeepTheirDescriptionsAndPatterns) {
  EXPECT_EQ(platform::QtNameFilters("Vandrell files (*.vdl)|*.vdl|"), QStringList{"Vandrell files (*.vdl)"});
  EXPECT_EQ(platform::QtNameFilters("Airfoils|*.dat;*.cor|DXF|*.dxf|"),
            (QStringList{"Airfoils (*.dat *.cor)", "DXF (*.dxf)"}));
  EXPECT_TRUE(platform::QtNameFilters("").isEmpty());
}
