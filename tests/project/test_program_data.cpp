// Data files read once for a whole run: a record built from them opens a project as a record
// that reads the files itself, and the window's records still read the files afresh.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/TextCodec.h"
#include "project/ProgramData.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSourceData = fs::path(QELVUX_SOURCE_DATA_DIR);
const fs::path kExample = kSourceData / ".." / "examples" / "jatkuva_orsi.vux";

std::string Section(double b, double h, const char* name) {
  return std::string(name) + ";1;" + std::to_string(b) + ";" + std::to_string(h) +
         ";0;0;0;0;0;0;0;0";
}

class ProgramDataFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("qelvux_program_data_" + std::to_string(::getpid()));
    fs::remove_all(root);
    fs::create_directories(root / "data");
    fs::create_directories(root / "projektit");
    for (const char* f : {"Rajatila.dat", "Eurocode.dat", "KTjaKY2.dat", "KTjaKY3.dat"})
      fs::copy_file(kSourceData / f, root / "data" / f);
    WriteLibrary("Sahattu_puutavara.pl1", {"A", "B", "C"});
    WriteLibrary("Oma.pl1", {"P", "Q"});
  }
  void TearDown() override { fs::remove_all(root); }

  // A library of 45 mm wide sections 95, 120, 145 ... mm deep under the names given.
  void WriteLibrary(const std::string& file, const std::vector<std::string>& names) {
    std::vector<std::string> lines = {"// testikirjasto"};
    for (std::size_t i = 0; i < names.size(); ++i)
      lines.push_back(Section(45, 95 + 25 * static_cast<double>(i), names[i].c_str()));
    ASSERT_TRUE(qv::WriteTextFileLines((root / "data" / file).string(), lines));
  }

  // The example project with its section line naming library, index and section name.
  std::string Project(const std::string& library, int index, const std::string& name) {
    std::vector<std::string> lines;
    EXPECT_TRUE(qv::ReadTextFileLines(kExample.string(), lines));
    const auto header = std::find(lines.begin(), lines.end(), "[ ==== 801 ==== ]");
    EXPECT_NE(header, lines.end());
    header[1] = library;
    header[2] = std::to_string(index);
    header[3] = name;
    header[4] = Section(45, 120, name.c_str());
    const std::string file = (root / "projektit" / "palkki.vux").string();
    EXPECT_TRUE(qv::WriteTextFileLines(file, lines));
    return file;
  }

  std::string ProgramPath() const { return (root / "data" / "qelvux").string(); }

  fs::path root;
};

TEST_F(ProgramDataFiles, ARecordFromReadOnceDataOpensAsOneReadingItsFiles) {
  const std::string defaultLibrary = (root / "data" / "Sahattu_puutavara.pl1").string();
  const std::string ownLibrary = (root / "data" / "Oma.pl1").string();
  const struct {
    std::string library;  // as the project names it
    int index;
    const char* name;
    int count;  // sections of the library opened
    int current;
    std::string fileName;
    const char* projectName;
    const char* section;
  } cases[] = {
      {defaultLibrary, 1, "B", 3, 1, defaultLibrary, "", "B"},
      // Saved on another computer, found among the data by its file name: the project keeps
      // the name it gave.
      {"C:\\QEL-VUX\\Sahattu_puutavara.pl1", 2, "C", 3, 2, defaultLibrary,
       "C:\\QEL-VUX\\Sahattu_puutavara.pl1", "C"},
      // The library has changed: the saved section alone.
      {defaultLibrary, 1, "X", 1, 0, "?", "", "X"},
      {ownLibrary, 0, "P", 2, 0, ownLibrary, "", "P"},
  };
  const auto data = std::make_shared<const qv::ProgramData>(ProgramPath());
  for (const auto& c : cases) {
    const std::string project = Project(c.library, c.index, c.name);
    QELVUX_data fromData(data);
    QELVUX_data reading(ProgramPath());
    for (QELVUX_data* p : {&fromData, &reading}) {
      const bool shared = p == &fromData;
      std::string message;
      ASSERT_EQ(qv::LoadProject(*p, project, &message), 0) << message;
      const ProfiiliVektori& lib = p->Profiles;
      EXPECT_EQ(lib.Count(), c.count) << c.library << shared;
      EXPECT_EQ(lib.CurrentIndex, c.current) << c.library << shared;
      EXPECT_EQ(lib.Name(lib.CurrentIndex), c.section) << c.library << shared;
      EXPECT_EQ(lib.FileName(), c.fileName) << c.library << shared;
      EXPECT_EQ(lib.ProjectName, c.projectName) << c.library << shared;
      const std::vector<std::string> comments =
          c.count > 1 ? std::vector<std::string>{"// testikirjasto"} : std::vector<std::string>{};
      EXPECT_EQ(lib.HeaderComments, comments) << c.library << shared;
      EXPECT_EQ(p->DataFolder(), (root / "data").string() + "/");
    }
  }

  // The run reads its data once; the window's record reads the library as it is now.
  WriteLibrary("Sahattu_puutavara.pl1", {"A", "B", "C", "D"});
  const std::string project = Project(defaultLibrary, 1, "B");
  QELVUX_data fromData(data);
  QELVUX_data reading(ProgramPath());
  ASSERT_EQ(qv::LoadProject(fromData, project), 0);
  ASSERT_EQ(qv::LoadProject(reading, project), 0);
  EXPECT_EQ(fromData.Profiles.Count(), 3);
  EXPECT_EQ(reading.Profiles.Count(), 4);
  EXPECT_EQ(reading.SharedData(), nullptr);
}

}  // namespace
