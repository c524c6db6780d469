// The project record owns its section library, material tables and settings from start-up.
#include <gtest/gtest.h>

#include "project/QELVUX_data.h"

namespace {

TEST(QELVUX_dataOwnedParts, StartsWithTheShippedLibraryAndTables) {
  QELVUX_data p(std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux");
  ASSERT_GT(p.Profiles.Count(), 1);
  EXPECT_EQ(p.Profiles.CurrentIndex, 0);
  EXPECT_GT(p.Materials.Table(2).LineCount(21), 0);
  EXPECT_TRUE(p.CurrentSection().IsValid());
  DesignValues v{};
  EXPECT_EQ(p.SectionValues(1, MateriaaliTiedot::kDesign, v), 0);
  EXPECT_GT(p.SectionStiffness(1, 2), 0.0);
}

TEST(QELVUX_dataOwnedParts, WithoutDataFilesOneSectionStandsIn) {
  QELVUX_data p("/no/such/folder/qelvux");
  ASSERT_EQ(p.Profiles.Count(), 1);
  EXPECT_EQ(p.Profiles.Name(0), "50*100");
  EXPECT_EQ(p.Profiles.CurrentIndex, 0);
  EXPECT_EQ(p.Profiles.FileName(), "?");
  DesignValues v{};
  p.SectionValues(1, MateriaaliTiedot::kDesign, v);  // no tables: zeros, no crash
  EXPECT_EQ(p.SectionStiffness(1, 2), 0.0);
}

}  // namespace
