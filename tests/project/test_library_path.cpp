// A project names its section library relative to where it was saved from; opened from another
// folder it still finds the library beside the project or among the program's data.
#include <gtest/gtest.h>

#include <filesystem>

#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux";
const fs::path kExample = fs::path(QELVUX_SOURCE_DATA_DIR) / ".." / "examples" / "jatkuva_orsi.vux";

// Runs the body with the working folder set to an empty temporary folder.
class LibraryPath : public ::testing::Test {
 protected:
  void SetUp() override {
    before_ = fs::current_path();
    dir_ = fs::temp_directory_path() / "qelvux_test_library_path";
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "cwd");
    fs::current_path(dir_ / "cwd");
  }
  void TearDown() override {
    fs::current_path(before_);
    fs::remove_all(dir_);
  }
  fs::path before_, dir_;
};

TEST_F(LibraryPath, RelativeNameFoundInTheProgramsDataFolder) {
  QELVUX_data p(kProgram);
  std::string message;
  ASSERT_EQ(qv::LoadProject(p, kExample.string(), &message), 0) << message;
  // The whole default library, not the saved section alone.
  EXPECT_GT(p.Profiles.Count(), 10);
  EXPECT_EQ(fs::path(p.Profiles.FileName()),
            fs::path(QELVUX_SOURCE_DATA_DIR) / "Sahattu_puutavara.pl1");
}

TEST_F(LibraryPath, ALibraryBesideTheProjectComesBeforeTheDataFolder) {
  fs::create_directories(dir_ / "projekti");
  fs::copy_file(kExample, dir_ / "projekti" / "orsi.vux");
  fs::copy_file(fs::path(QELVUX_SOURCE_DATA_DIR) / "Sahattu_puutavara.pl1",
                dir_ / "projekti" / "Sahattu_puutavara.pl1");
  QELVUX_data p(kProgram);
  std::string message;
  ASSERT_EQ(qv::LoadProject(p, (dir_ / "projekti" / "orsi.vux").string(), &message), 0) << message;
  EXPECT_EQ(fs::path(p.Profiles.FileName()), dir_ / "projekti" / "Sahattu_puutavara.pl1");
  EXPECT_GT(p.Profiles.Count(), 10);
}

TEST_F(LibraryPath, AMissingLibraryStillLeavesTheSavedSection) {
  fs::copy_file(kExample, dir_ / "orsi.vux");
  QELVUX_data p(std::string("/nonexistent/qelvux"));
  std::string message;
  ASSERT_EQ(qv::LoadProject(p, (dir_ / "orsi.vux").string(), &message), 0) << message;
  EXPECT_EQ(p.Profiles.Count(), 1);
}

}  // namespace
