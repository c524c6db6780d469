// Section library dialog state: opening, validation messages, add / change / delete, other
// libraries, closing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pagelogic/ProfiiliKirjasto.h"
#include "TempFiles.h"

namespace {

namespace fs = std::filesystem;

std::string Line(const std::string& name, int shape, int b, int h) {
  return name + ";" + std::to_string(shape) + ";" + std::to_string(b) + ";" + std::to_string(h) +
         ";0;0;0;0;0;0;0;0\r\n";
}

ProfiiliSyote Rect(const std::string& name, const std::string& b, const std::string& h) {
  return {name, 0, b, h};
}

ProfiiliSyote Circle(const std::string& name, const std::string& d) { return {name, 1, d, ""}; }

// A program folder with a default library of three sections and a project on its own library.
struct Fixture : ::testing::Test {
  TempDir dir;
  ProfiiliVektori project;
  void SetUp() override {
    WriteBytes(dir.File("Sahattu_puutavara.pl1"),
               Line("50*100", 1, 50, 100) + Line("50*150", 1, 50, 150) + Line("d 120", 2, 120, 0));
    WriteBytes(dir.File("oma.pl1"), "// oma kirjasto\r\n" + Line("45*95", 1, 45, 95) +
                                        Line("45*145", 1, 45, 145) + Line("66*195", 1, 66, 195));
    ASSERT_EQ(project.LoadLibrary(dir.File("oma.pl1")), 0);
    project.CurrentIndex = 1;  // 45*145
  }
};

// ---- opening ----

TEST_F(Fixture, OpensOnTheProjectsLibraryAtItsChosenSection) {
  ProfiiliKirjasto k(project, dir.Path());
  EXPECT_EQ(k.ActivePath(), dir.File("oma.pl1"));
  EXPECT_EQ(k.Names(), (std::vector<std::string>{"45*95", "45*145", "66*195"}));
  EXPECT_EQ(k.Selected(), 1);
  EXPECT_TRUE(k.EditButtonsEnabled());
  EXPECT_FALSE(k.Changed());
  const ProfiiliKentat f = k.FieldsOf(1);
  EXPECT_EQ(f.Name, "45*145");
  EXPECT_EQ(f.ShapeItem, 0);
  EXPECT_EQ(f.Parameter1, "45.0");
  EXPECT_EQ(f.Parameter2, "145.0");
  EXPECT_EQ(k.OpenStartFolder(), dir.Path());
}

TEST_F(Fixture, IndexOutsideTheListSelectsTheFirst) {
  project.CurrentIndex = 9;
  ProfiiliKirjasto k(project, dir.Path());
  EXPECT_EQ(k.Selected(), 0);
}

TEST_F(Fixture, WithoutTheProjectsFileOpensTheDefaultLibraryAtTheFirst) {
  project.SetSingleSection(ProfiiliVektori::kFallbackSectionLine);
  ProfiiliKirjasto k(project, dir.Path());
  EXPECT_EQ(k.ActivePath(), dir.File("Sahattu_puutavara.pl1"));
  EXPECT_EQ(k.Names(), (std::vector<std::string>{"50*100", "50*150", "d 120"}));
  EXPECT_EQ(k.Selected(), 0);
  const ProfiiliKentat f = k.FieldsOf(2);
  EXPECT_EQ(f.ShapeItem, 1);
  EXPECT_EQ(f.Parameter1, "120.0");
  EXPECT_EQ(f.Parameter2, "");
}

TEST(ProfiiliKirjasto, NoLibraryAtAllLeavesAnEmptyListWithEditButtonsDisabled) {
  TempDir dir;
  ProfiiliVektori project;
  project.SetSingleSection(ProfiiliVektori::kFallbackSectionLine);
  ProfiiliKirjasto k(project, dir.Path());
  EXPECT_TRUE(k.Names().empty());
  EXPECT_EQ(k.Selected(), -1);
  EXPECT_FALSE(k.EditButtonsEnabled());
  EXPECT_EQ(k.OpenStartFolder(), dir.Path());
  EXPECT_EQ(k.FieldsOf(0).Name, "");
  // The buttons are disabled, but a stray command must not crash either.
  EXPECT_EQ(k.Delete().Text, "Viimeistä ei voi poistaa");
  EXPECT_TRUE(k.Change(Rect("a", "10", "10")).Empty());
  EXPECT_EQ(k.Working().Count(), 0);
}

TEST(ProfiiliKirjasto, LibraryButtonShowsTheShortenedPath) {
  TempDir dir;
  WriteBytes(dir.File("Sahattu_puutavara.pl1"), Line("50*100", 1, 50, 100));
  ProfiiliVektori project;
  project.SetSingleSection(ProfiiliVektori::kFallbackSectionLine);
  ProfiiliKirjasto k(project, dir.Path());
  // Longer than 20 characters: first three characters, "...", the last separator on.
  EXPECT_EQ(k.LibraryButtonText(), dir.Path().substr(0, 3) + ".../Sahattu_puutavara.pl1");
}

// ---- shapes and validation ----

struct ValidationCase {
  ProfiiliSyote input;
  const char* caption;
  const char* text;
};

TEST(ProfiiliKirjasto, ValidationMessages) {
  const ValidationCase cases[] = {
      {Rect(" ", "50", "100"), "VIRHE", "Nimi ei ole kelvollinen!"},
      {Rect("", "50", "100"), "VIRHE", "Nimi ei ole kelvollinen!"},
      {Rect("a", "0,5", "100"), "VIRHE", "B [mm]:"},
      {Rect("a", "0.99", "100"), "VIRHE", "B [mm]:"},
      {Rect("a", "", "100"), "VIRHE", "B [mm]:"},
      {Rect("a", "50x", "100"), "VIRHE", "B [mm]:"},
      {Rect("a", "50", "10000.01"), "VIRHE", "H [mm]:"},
      {Rect("a", "50", " "), "VIRHE", "H [mm]:"},
      {Circle("d", "0"), "VIRHE", "D [mm]:"},
      {Circle("d", "10001"), "VIRHE", "D [mm]:"},
      // The name is checked before the parameters.
      {Rect(" ", "0", "0"), "VIRHE", "Nimi ei ole kelvollinen!"},
  };
  for (const auto& c : cases) {
    std::string name;
    qv::SectionShape shape = qv::SectionShape::kRectangle;
    double b = 0, h = 0;
    const ProfiiliViesti m = ProfiiliKirjasto::Validate(c.input, name, shape, b, h);
    EXPECT_EQ(m.Caption, c.caption) << c.input.Name << " " << c.input.Parameter1;
    EXPECT_EQ(m.Text, c.text) << c.input.Name << " " << c.input.Parameter1;
  }
}

TEST(ProfiiliKirjasto, BoundaryParametersAreAcceptedAndRecordBuilt) {
  std::string name;
  qv::SectionShape shape = qv::SectionShape::kCircle;
  double b = 0, h = 0;
  EXPECT_TRUE(ProfiiliKirjasto::Validate(Rect("a", "1", "10000"), name, shape, b, h).Empty());
  EXPECT_EQ(shape, qv::SectionShape::kRectangle);
  EXPECT_EQ(b, 1.0);
  EXPECT_EQ(h, 10000.0);
  // A circle ignores whatever its hidden second input holds.
  EXPECT_TRUE(
      ProfiiliKirjasto::Validate({"ympyrä", 1, "120,5", "roskaa"}, name, shape, b, h).Empty());
  EXPECT_EQ(shape, qv::SectionShape::kCircle);
  EXPECT_EQ(b, 120.5);
  EXPECT_EQ(h, 0.0);
  std::string longName(100, 'x');
  EXPECT_TRUE(ProfiiliKirjasto::Validate(Rect(longName, "5", "5"), name, shape, b, h).Empty());
  EXPECT_EQ(name, std::string(79, 'x'));
}

// ---- add / change / delete ----

TEST_F(Fixture, AddInsertsInOrderAndSelectsTheNewSection) {
  ProfiiliKirjasto k(project, dir.Path());
  EXPECT_TRUE(k.Add(Rect("50*50", "50", "50")).Empty());
  EXPECT_EQ(k.Names(), (std::vector<std::string>{"45*95", "45*145", "50*50", "66*195"}));
  EXPECT_EQ(k.Selected(), 2);
  EXPECT_TRUE(k.Changed());

  const ProfiiliViesti refused = k.Add(Rect("x", "0.5", "50"));
  EXPECT_EQ(refused.Text, "B [mm]:");
  EXPECT_EQ(k.Working().Count(), 4);
  EXPECT_EQ(k.Selected(), 2);
}

TEST_F(Fixture, ChangeMovesTheEditedSectionToItsPlace) {
  ProfiiliKirjasto k(project, dir.Path());
  k.Select(0);
  EXPECT_TRUE(k.Change(Rect("70*200", "70", "200")).Empty());
  EXPECT_EQ(k.Names(), (std::vector<std::string>{"45*145", "66*195", "70*200"}));
  EXPECT_EQ(k.Selected(), 2);
  EXPECT_TRUE(k.Changed());
  // A refused change leaves the section in place.
  EXPECT_EQ(k.Change(Rect(" ", "70", "200")).Text, "Nimi ei ole kelvollinen!");
  EXPECT_EQ(k.Working().Count(), 3);
}

TEST_F(Fixture, DeleteSelectsThePreviousAndRefusesTheLast) {
  ProfiiliKirjasto k(project, dir.Path());
  k.Select(2);
  EXPECT_TRUE(k.Delete().Empty());
  EXPECT_EQ(k.Selected(), 1);
  k.Select(0);
  EXPECT_TRUE(k.Delete().Empty());
  EXPECT_EQ(k.Selected(), 0);
  EXPECT_EQ(k.Names(), (std::vector<std::string>{"45*145"}));
  const ProfiiliViesti last = k.Delete();
  EXPECT_EQ(last.Caption, "HUOMIO");
  EXPECT_EQ(last.Text, "Viimeistä ei voi poistaa");
  EXPECT_EQ(k.Working().Count(), 1);
}

// ---- other libraries ----

TEST_F(Fixture, PickingAMissingFileCreatesTheExampleLibrary) {
  ProfiiliKirjasto k(project, dir.Path());
  const std::string path = dir.File("uusi.pl1");
  EXPECT_EQ(k.OpenLibrary(path), 1);
  EXPECT_EQ(
      ReadBytes(path),
      "Esimerkki (45*95);1;45.000;95.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000;0.000\r\n");
  EXPECT_EQ(k.ActivePath(), path);
  EXPECT_EQ(k.Names(), (std::vector<std::string>{"Esimerkki (45*95)"}));
  EXPECT_EQ(k.Selected(), 0);
  EXPECT_TRUE(k.EditButtonsEnabled());
  EXPECT_FALSE(k.Changed());
}

TEST_F(Fixture, PickingTheActiveLibraryAgainDoesNothing) {
  ProfiiliKirjasto k(project, dir.Path());
  k.Select(2);
  EXPECT_EQ(k.OpenLibrary(dir.File("oma.pl1")), 0);
  EXPECT_EQ(k.Selected(), 2);
  EXPECT_EQ(k.OpenLibrary(dir.Path() + "/./oma.pl1"), 0);
}

TEST_F(Fixture, EditsOfALibraryLeftForAnotherWaitForClosing) {
  const std::string own = ReadBytes(dir.File("oma.pl1"));
  ProfiiliKirjasto k(project, dir.Path());
  ASSERT_TRUE(k.Add(Rect("100*100", "100", "100")).Empty());
  EXPECT_EQ(k.OpenLibrary(dir.File("Sahattu_puutavara.pl1")), 2);
  EXPECT_FALSE(k.Changed());
  EXPECT_EQ(k.Names(), (std::vector<std::string>{"50*100", "50*150", "d 120"}));
  EXPECT_EQ(k.Selected(), 0);
  EXPECT_EQ(k.OpenStartFolder(), dir.Path());
  EXPECT_EQ(ReadBytes(dir.File("oma.pl1")), own);

  // Picked again, the library comes back with its edit.
  EXPECT_EQ(k.OpenLibrary(dir.File("oma.pl1")), 2);
  EXPECT_TRUE(k.Changed());
  EXPECT_EQ(k.Working().Count(), 4);
  ASSERT_EQ(k.OpenLibrary(dir.File("Sahattu_puutavara.pl1")), 2);
  EXPECT_EQ(ReadBytes(dir.File("oma.pl1")), own);

  EXPECT_EQ(k.Close(project), 0);
  ProfiiliVektori onDisk;
  ASSERT_EQ(onDisk.ReadLibrary(dir.File("oma.pl1")), 0);
  EXPECT_EQ(onDisk.Count(), 4);
  EXPECT_EQ(onDisk.Name(3), "100*100");
  // The library's header comment survives the rewrite.
  EXPECT_EQ(onDisk.HeaderComments, (std::vector<std::string>{"// oma kirjasto"}));
  EXPECT_EQ(project.Count(), 4);
}

TEST_F(Fixture, ANewFileThatCannotBeCreatedChangesNothing) {
  ProfiiliKirjasto k(project, dir.Path());
  EXPECT_EQ(k.OpenLibrary(dir.File("ei_kansiota/uusi.pl1")), -1);
  EXPECT_EQ(k.ActivePath(), dir.File("oma.pl1"));
  EXPECT_EQ(k.Working().Count(), 3);
}

// ---- closing ----

TEST_F(Fixture, ClosingWritesTheProjectsLibraryAndTheProjectSeesIt) {
  ProfiiliKirjasto k(project, dir.Path());
  k.Select(2);
  ASSERT_TRUE(k.Change(Rect("66*220", "66", "220")).Empty());
  EXPECT_EQ(k.Close(project), 0);
  EXPECT_EQ(project.Name(2), "66*220");
  EXPECT_EQ(project.H(2), 220.0);
  // The chosen section was not touched: the index stays.
  EXPECT_EQ(project.CurrentIndex, 1);
  EXPECT_EQ(project.Name(project.CurrentIndex), "45*145");
  EXPECT_EQ(project.FileName(), dir.File("oma.pl1"));
}

TEST_F(Fixture, ClosingFollowsTheChosenSectionWhenSectionsMoveBeforeIt) {
  ProfiiliKirjasto k(project, dir.Path());
  ASSERT_TRUE(k.Add(Rect("42*42", "42", "42")).Empty());
  k.Close(project);
  ASSERT_EQ(project.Count(), 4);
  EXPECT_EQ(project.Name(project.CurrentIndex), "45*145");
  EXPECT_EQ(project.CurrentIndex, 2);
}

TEST_F(Fixture, ClosingAfterDeletingTheChosenKeepsAValidIndex) {
  project.CurrentIndex = 2;
  ProfiiliKirjasto k(project, dir.Path());
  ASSERT_EQ(k.Selected(), 2);
  ASSERT_TRUE(k.Delete().Empty());
  k.Close(project);
  ASSERT_EQ(project.Count(), 2);
  EXPECT_EQ(project.CurrentIndex, 0);
}

TEST_F(Fixture, AnotherLibraryIsEditedOnDiskButDoesNotBecomeTheProjects) {
  ProfiiliKirjasto k(project, dir.Path());
  ASSERT_EQ(k.OpenLibrary(dir.File("Sahattu_puutavara.pl1")), 2);
  ASSERT_TRUE(k.Add(Rect("200*200", "200", "200")).Empty());
  EXPECT_EQ(k.Close(project), 0);
  EXPECT_EQ(project.FileName(), dir.File("oma.pl1"));
  EXPECT_EQ(project.Count(), 3);
  EXPECT_EQ(project.CurrentIndex, 1);
  ProfiiliVektori onDisk;
  ASSERT_EQ(onDisk.ReadLibrary(dir.File("Sahattu_puutavara.pl1")), 0);
  EXPECT_EQ(onDisk.Count(), 4);
}

TEST_F(Fixture, ProjectWithoutALibraryFileKeepsItsSingleSection) {
  project.SetSingleSection(ProfiiliVektori::kFallbackSectionLine);
  ProfiiliKirjasto k(project, dir.Path());
  ASSERT_TRUE(k.Add(Rect("300*300", "300", "300")).Empty());
  k.Close(project);
  EXPECT_EQ(project.Count(), 1);
  EXPECT_EQ(project.Name(0), "50*100");
  EXPECT_EQ(project.FileName(), "?");
  // The default library it was editing got the new section.
  ProfiiliVektori onDisk;
  ASSERT_EQ(onDisk.ReadLibrary(dir.File("Sahattu_puutavara.pl1")), 0);
  EXPECT_EQ(onDisk.Count(), 4);
}

TEST_F(Fixture, ClosingUnchangedWritesNothing) {
  const auto before = fs::last_write_time(dir.File("oma.pl1"));
  const std::string bytes = ReadBytes(dir.File("oma.pl1"));
  ProfiiliKirjasto k(project, dir.Path());
  k.Select(0);
  EXPECT_EQ(k.Close(project), 0);
  EXPECT_EQ(ReadBytes(dir.File("oma.pl1")), bytes);
  EXPECT_EQ(fs::last_write_time(dir.File("oma.pl1")), before);
  EXPECT_EQ(project.CurrentIndex, 1);
}

}  // namespace
