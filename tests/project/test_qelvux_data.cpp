// The project record: defaults, folder of the program, start-up reset and "Uusi malli".
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "model/TextCodec.h"
#include "project/QELVUX_data.h"

namespace {

namespace fs = std::filesystem;

class ProjectFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qelvux_data_" +
            std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Program() const { return (dir_ / "qelvux").string(); }
  // A default set of code 2 that differs from the built-in one.
  void WriteOwnSet() {
    ASSERT_TRUE(qv::WriteTextFileLines(
        (dir_ / "KTjaKY2.dat").string(),
        {"[ ==== 301 ==== ]", "Vain omapaino;0", "[ ==== 401 ==== ]", "KY1;0;1;0;0.000",
         "KY1;0;0;0;1.350", "KY2;1;2;0;0.000", "KY2;1;0;0;1.000"}));
  }
  fs::path dir_;
};

TEST(QELVUX_data, FolderOfAcceptsBothSeparators) {
  EXPECT_EQ(QELVUX_data::FolderOf("/opt/qelvux/bin/qelvux"), "/opt/qelvux/bin/");
  EXPECT_EQ(QELVUX_data::FolderOf("C:\\Ohjelmat\\QEL-VUX\\qelvux.exe"), "C:\\Ohjelmat\\QEL-VUX\\");
  EXPECT_EQ(QELVUX_data::FolderOf("qelvux"), "");
  EXPECT_EQ(QELVUX_data::FolderOf(""), "");
}

TEST_F(ProjectFolder, DefaultsAfterConstruction) {
  QELVUX_data p(Program());
  EXPECT_EQ(p.ProgramPath, Program());
  EXPECT_EQ(p.ProgramFolder(), dir_.string() + "/");
  EXPECT_EQ(p.DataFilePath("Rajatila.dat"), (dir_ / "Rajatila.dat").string());
  EXPECT_EQ(p.DesignCode, qv::DesignCode::kLimitState);
  EXPECT_EQ(p.ResultKind, -1);
  EXPECT_EQ(p.ResultCase, 0);
  EXPECT_EQ(p.ResultSteps, 40);
  EXPECT_EQ(p.AnalysisValid, 0);
  EXPECT_EQ(p.InfoDisplay, 0);
  EXPECT_EQ(p.TreeExpansion, 0);
  const std::array<int, 10> switches{1, 1, 1, 1, 1, 1, 1, 0, 0, 1};
  EXPECT_EQ(p.ReportSwitches, switches);
  EXPECT_TRUE(p.CalculatedBy.empty() && p.Contact.empty() && p.Site.empty() &&
              p.OtherInfo.empty() && p.ReportFile.empty());
  for (double v : p.ResultValues) EXPECT_EQ(v, 0.0);

  // Reset member: two pinned supports at the ends of a 6000 mm beam.
  ASSERT_EQ(p.Member.Count(), 2);
  EXPECT_DOUBLE_EQ(p.Member.Length, 6000.0);
  EXPECT_DOUBLE_EQ(p.Member.X(1), 6000.0);
  EXPECT_DOUBLE_EQ(p.Member.LoadWidth, 1000.0);
  EXPECT_EQ(p.Loads.Count(), 0);
  EXPECT_EQ(p.TextFile.Lines().size(), 0u);
  // No KTjaKY2.dat beside this program: the built-in set of code 2.
  ASSERT_EQ(p.Loads.Cases().Count(), 4);
  EXPECT_EQ(p.Loads.Cases().Name(3), "Tuulikuorma");
  EXPECT_DOUBLE_EQ(p.Loads.Combinations().Factor(0, 1), 1.6);
}

TEST_F(ProjectFolder, DefaultLoadSetIsReadBesideTheProgram) {
  WriteOwnSet();
  QELVUX_data p(Program());
  ASSERT_EQ(p.Loads.Cases().Count(), 1);
  EXPECT_EQ(p.Loads.Cases().Name(0), "Vain omapaino");
  EXPECT_DOUBLE_EQ(p.Loads.Combinations().Factor(0, 0), 1.35);
  EXPECT_EQ(p.Loads.Combinations().CurrentIndex, 0);

  // A path without a folder never looks for the file.
  QELVUX_data bare("qelvux");
  EXPECT_EQ(bare.Loads.Cases().Count(), 4);
  EXPECT_EQ(bare.LoadDefaultLoads(), 1);

  // The shipped files beside a program.
  QELVUX_data shipped(std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux");
  EXPECT_EQ(shipped.LoadDefaultLoads(), 0);
  EXPECT_EQ(shipped.Loads.Cases().Name(1), "Hyötykuorma");
}

TEST_F(ProjectFolder, BackslashEndsTheFolderPart) {
  WriteOwnSet();
  // Built like a path written on another system: folder, a backslash, the program name.
  QELVUX_data p(dir_.string() + "\\qelvux.exe");
  EXPECT_EQ(p.ProgramFolder(), dir_.string() + "\\");
  // The folder name ends in '\', which is no separator here, so the file is not found and
  // the built-in set is used; the record still comes up whole.
  EXPECT_EQ(p.Loads.Combinations().CombinationCount(), 4);
}

// "Uusi malli" starts a project of no file: the member, loads, project information and file
// name go; the code and the program's settings stay.
TEST_F(ProjectFolder, NewModelStartsAProjectOfNoFile) {
  QELVUX_data p(Program());
  p.DesignCode = qv::DesignCode::kEc5Env;
  p.CalculatedBy = "Insinööri";
  p.ReportSwitches[3] = 0;
  p.ResultSteps = 100;
  p.Member.Length = 4000.0;
  p.Member.LoadWidth = 900.0;
  p.Member.AddPoint("N", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 2000.0);
  p.Loads.AddLoad("g", 0, KuormaVektori::kLine, -2, 1, -1.0, -1.0, 0.0, 4000.0);
  p.Loads.CurrentIndex = 0;
  p.TextFile.AddLine(101, "2");

  p.NewModel();
  EXPECT_EQ(p.Member.Count(), 2);
  EXPECT_DOUBLE_EQ(p.Member.Length, 6000.0);
  EXPECT_DOUBLE_EQ(p.Member.LoadWidth, 1000.0);
  EXPECT_EQ(p.Loads.Count(), 0);
  EXPECT_EQ(p.Loads.CurrentIndex, -1);
  EXPECT_EQ(p.Loads.Cases().Count(), 6);  // code 3 defaults
  EXPECT_EQ(p.Loads.Cases().Name(1), "Varastokuorma");
  EXPECT_EQ(p.DesignCode, qv::DesignCode::kEc5Env);
  EXPECT_EQ(p.CalculatedBy, "");
  EXPECT_EQ(p.ReportSwitches[3], 0);
  EXPECT_EQ(p.ResultSteps, 100);
  EXPECT_EQ(p.TextFile.LineCount(101), 0);
  EXPECT_EQ(p.TextFile.FileName(), "");

  p.ResetToDefaults();
  EXPECT_EQ(p.TextFile.Lines().size(), 0u);
  EXPECT_TRUE(p.TextFile.FileName().empty());
}

TEST(QELVUX_data, ClearResultValues) {
  QELVUX_data p("qelvux");
  p.ResultValues[9] = 3.0;
  p.ResultTable[19] = 4.0;
  p.ClearResultValues();
  EXPECT_EQ(p.ResultValues[9], 0.0);
  EXPECT_EQ(p.ResultTable[19], 0.0);
}

}  // namespace
