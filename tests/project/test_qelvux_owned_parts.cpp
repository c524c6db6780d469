// The project record owns its section library, material tables and settings from start-up.
#include <gtest/gtest.h>

#include <filesystem>

#include "project/QELVUX_data.h"

namespace {

TEST(QELVUX_dataOwnedParts, StartsWithTheShippedLibraryAndTables) {
  QELVUX_data p(std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux");
  ASSERT_GT(p.Profiles.Count(), 1);
  EXPECT_EQ(p.Profiles.CurrentIndex, 0);
  EXPECT_GT(p.Materials.Table(qv::DesignCode::kLimitState).LineCount(21), 0);
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

namespace {

namespace fs = std::filesystem;

TEST(QELVUX_dataOwnedParts, InstalledProgramFindsItsDataInShare) {
  const fs::path root = fs::temp_directory_path() / "qelvux_install_layout";
  fs::remove_all(root);
  fs::create_directories(root / "bin");
  fs::create_directories(root / "share" / "qelvux");
  for (const char* f : {"Rajatila.dat", "KTjaKY2.dat", "Sahattu_puutavara.pl1"})
    fs::copy_file(fs::path(QELVUX_SOURCE_DATA_DIR) / f, root / "share" / "qelvux" / f);
  QELVUX_data p((root / "bin" / "qelvux").string());
  EXPECT_EQ(p.DataFolder(), (root / "bin").string() + "/../share/qelvux/");
  EXPECT_EQ(p.ProgramFolder(), (root / "bin").string() + "/");
  EXPECT_GT(p.Profiles.Count(), 1);
  EXPECT_GT(p.Materials.Table(qv::DesignCode::kLimitState).LineCount(21), 0);
  // Data beside the program win over the installed ones.
  fs::copy_file(fs::path(QELVUX_SOURCE_DATA_DIR) / "KTjaKY2.dat", root / "bin" / "KTjaKY2.dat");
  EXPECT_EQ(QELVUX_data::DataFolderFor((root / "bin" / "qelvux").string()),
            (root / "bin").string() + "/");
}

}  // namespace
