// Project files: every section written and read back, the load checks and their messages,
// the library fallback, byte-exact round trips and a save that cannot destroy the old file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "model/TextCodec.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

namespace fs = std::filesystem;

const std::string kProgram = std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux";

fs::path TempDir() {
  fs::path dir = fs::temp_directory_path() / "qelvux_test_project";
  fs::create_directories(dir);
  return dir;
}

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

// A project that uses most of what a file can hold.
void FillRich(QELVUX_data& p) {
  p.DesignCode = qv::DesignCode::kEc5Env;
  p.ResultSteps = 80;
  p.InfoDisplay = 1;
  p.CalculatedBy = "Äijälä";
  p.Contact = "";
  p.Site = "Kohde; Öljymäki";
  p.OtherInfo = "rivi 1\r\nrivi 2\r\nrivi 3";
  p.Member.LoadWidth = 1200;
  p.Member.Angle = 30;
  p.Member.Length = 7200;
  p.Member.Name = "Kattotuoli K1";
  p.Member.ClearRecords();
  p.Member.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kFixed, 0);
  p.Member.AddPoint("T2", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 3600);
  p.Member.AddPoint("T3", RakenneVektori::kSupport, RakenneVektori::kSlidingY, 7200);
  p.Member.AddPoint("N1", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 5000);
  p.Loads.AddLoad("Lumi ÄÖ", 1, KuormaVektori::kLine, 2, KuormaVektori::kPerHorizontal, -2.5, -2.5,
                  0, 7200);
  p.Loads.AddLoad("P", 0, KuormaVektori::kPoint, -2, 0, -1000, 0, 1800, 0);
  p.Loads.AddLoad("M", 0, KuormaVektori::kPoint, 6, 0, 2.5e6, 0, 900, 0);
  p.Loads.AddLoad("tuuli", 2, KuormaVektori::kSurface, -3, KuormaVektori::kPerLength, -0.0004,
                  -0.0008, 100, 7000);
  p.Settings.SetField(3, 12.5);
  p.Settings.SetField(19, 1);
  p.Settings.SetField(29, 0.1);
  p.Materials.SetMaterial(qv::DesignCode::kEc5Env, 2);
  p.Materials.SetMoistureClass(qv::DesignCode::kEc5Env, 2);
  p.Materials.SetEc5PartialFactor(1.25);
  p.Profiles.CurrentIndex = 3;
}

TEST(ProjectFile, SaveLoadSaveGivesTheSameBytes) {
  const fs::path a = TempDir() / "rich_a.vux";
  const fs::path b = TempDir() / "rich_b.vux";
  QELVUX_data p(kProgram);
  FillRich(p);
  ASSERT_EQ(qv::SaveProject(p, a.string()), 0);
  EXPECT_EQ(p.TextFile.FileName(), a.string());

  QELVUX_data q(kProgram);
  std::string msg = "x";
  ASSERT_EQ(qv::LoadProject(q, a.string(), &msg), 0) << msg;
  EXPECT_EQ(msg, "");
  EXPECT_EQ(q.DesignCode, qv::DesignCode::kEc5Env);
  EXPECT_EQ(q.ResultSteps, 80);
  EXPECT_EQ(q.CalculatedBy, "Äijälä");
  EXPECT_EQ(q.Contact, " ");  // an empty text comes back as one blank
  EXPECT_EQ(q.Site, "Kohde; Öljymäki");
  EXPECT_EQ(q.OtherInfo, "rivi 1\r\nrivi 2\r\nrivi 3");
  EXPECT_EQ(q.Member.Angle, 30.0);
  EXPECT_EQ(q.Member.Count(), 4);
  EXPECT_EQ(q.Member.Code(1), RakenneVektori::kSlidingX);
  EXPECT_EQ(q.Loads.Count(), 4);
  EXPECT_EQ(q.Loads.Cases().Count(), p.Loads.Cases().Count());
  EXPECT_EQ(q.Loads.Combinations().Count(), p.Loads.Combinations().Count());
  EXPECT_EQ(q.Settings.Field(3), 12.5);
  EXPECT_EQ(q.Settings.Field(19), 1.0);
  EXPECT_EQ(q.Materials.Material(qv::DesignCode::kEc5Env), 2);
  EXPECT_EQ(q.Materials.Ec5PartialFactor(), 1.25);
  EXPECT_EQ(q.Profiles.CurrentIndex, 3);
  EXPECT_EQ(q.Profiles.Name(3), p.Profiles.Name(3));

  ASSERT_EQ(qv::SaveProject(q, b.string()), 0);
  EXPECT_EQ(ReadBytes(a), ReadBytes(b));
  // Windows-1252 with CR LF on disk.
  const std::string bytes = ReadBytes(a);
  EXPECT_NE(bytes.find("\xC4ij\xE4l\xE4\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
}

TEST(ProjectFile, ThreeLinesOfOtherInformationAreLinesFourToSix) {
  QELVUX_data p(kProgram);
  p.OtherInfo = "a\r\nb\r\nc";
  qv::BuildProjectFile(p);
  ASSERT_EQ(p.TextFile.LineCount(102), 6);
  EXPECT_EQ(p.TextFile.GetLine(102, 1), " ");
  EXPECT_EQ(p.TextFile.GetLine(102, 4), "a");
  EXPECT_EQ(p.TextFile.GetLine(102, 6), "c");
  EXPECT_EQ(p.TextFile.GetLine(211, 1), " ;1;6111000;0.000");
  EXPECT_TRUE(p.TextFile.HasSection(999));
  EXPECT_EQ(p.TextFile.LineCount(999), 0);
}

TEST(ProjectFile, TextsThatLookLikeHeadersCannotBreakTheFile) {
  const fs::path a = TempDir() / "header_like.vux";
  QELVUX_data p(kProgram);
  p.OtherInfo = "[ ==== 501 ==== ]\r\nx";
  p.Member.Name = "nimi\r\nrivinvaihdolla";
  ASSERT_EQ(qv::SaveProject(p, a.string()), 0);
  QELVUX_data q(kProgram);
  std::string msg;
  ASSERT_EQ(qv::LoadProject(q, a.string(), &msg), 0) << msg;
  EXPECT_EQ(q.Member.Name, "nimi  rivinvaihdolla");
  EXPECT_EQ(q.OtherInfo, " [ ==== 501 ==== ]\r\nx");
}

std::vector<std::string> SavedLines() {
  QELVUX_data p(kProgram);
  qv::BuildProjectFile(p);
  return p.TextFile.Lines();
}

// Replaces line k (1-based) of section n of a saved file.
std::vector<std::string> WithLine(std::vector<std::string> lines, int n, int k,
                                  const std::string& text) {
  CSVTiedosto f;
  f.TakeLines(lines);
  const std::string header = CSVTiedosto::HeaderLine(n);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == header) {
      lines[i + static_cast<std::size_t>(k)] = text;
      return lines;
    }
  }
  ADD_FAILURE() << "no section " << n;
  return lines;
}

int Load(QELVUX_data& q, const std::vector<std::string>& lines, std::string& msg) {
  return qv::LoadProjectLines(q, lines, &msg);
}

TEST(ProjectFile, FirstSectionChecks) {
  QELVUX_data q(kProgram);
  std::string msg;
  EXPECT_EQ(Load(q, WithLine(SavedLines(), 1, 1, "QEL-VAX"), msg), -1);
  EXPECT_EQ(msg, "Tiedosto ei ole QEL-VUX 2.0 tallennustiedosto!");
  auto lines = SavedLines();
  lines.erase(lines.begin() + 4);  // section 1 keeps three lines
  EXPECT_EQ(Load(q, lines, msg), -4);
  EXPECT_EQ(msg, "Tiedosto ei ole QEL-VUX 2.0 tallennustiedosto!");
  EXPECT_EQ(Load(q, WithLine(SavedLines(), 1, 2, "OUTPUTFILE"), msg), -2);
  EXPECT_EQ(msg, "virhenumero = 2");
  EXPECT_EQ(Load(q, WithLine(SavedLines(), 1, 3, "3.0"), msg), -3);
  EXPECT_EQ(msg, "virhenumero = 3");
  EXPECT_EQ(Load(q, WithLine(SavedLines(), 1, 3, "2,0"), msg), 0);
  EXPECT_EQ(Load(q, {}, msg), -4);
}

TEST(ProjectFile, Section101StoresTheGoodFieldsAndReportsTheBadOne) {
  QELVUX_data q(kProgram);
  q.AnalysisValid = 1;
  q.ResultKind = 4;
  auto lines = WithLine(SavedLines(), 101, 1, "5");
  lines = WithLine(lines, 101, 2, "120");
  lines = WithLine(lines, 101, 3, "1");
  std::string msg;
  EXPECT_EQ(Load(q, lines, msg), -101);
  EXPECT_EQ(msg, "virhenumero = 101");
  EXPECT_EQ(q.DesignCode, qv::DesignCode::kLimitState);  // unchanged
  EXPECT_EQ(q.ResultSteps, 120);
  EXPECT_EQ(q.InfoDisplay, 1);
  EXPECT_EQ(q.AnalysisValid, 0);
  EXPECT_EQ(q.ResultKind, -1);
}

TEST(ProjectFile, LineCountsAndMissingCombinations) {
  QELVUX_data q(kProgram);
  std::string msg;
  auto lines = SavedLines();
  CSVTiedosto f;
  // One line too many in 201.
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == CSVTiedosto::HeaderLine(201))
      lines.insert(lines.begin() + static_cast<long>(i) + 1, "9");
  EXPECT_EQ(Load(q, lines, msg), -201);
  EXPECT_EQ(msg, "virhenumero = 201 (tietomäärä ei täsmää)");
  // No section 401 at all.
  lines = SavedLines();
  std::vector<std::string> without;
  bool skip = false;
  for (const auto& l : lines) {
    int n = 0;
    if (CSVTiedosto::ParseHeader(l, n)) skip = n == 401;
    if (!skip) without.push_back(l);
  }
  EXPECT_EQ(Load(q, without, msg), -401);
  EXPECT_EQ(msg, "virhenumero = 401 (KY-määrittelyt puuttuu)");
}

TEST(ProjectFile, BadPointStopsTheSectionAndLaterSectionsAreNotRead) {
  QELVUX_data q(kProgram);
  q.Loads.Cases().ClearRecords();
  q.Loads.Cases().AddCase("ennallaan", 1);
  std::string msg;
  EXPECT_EQ(Load(q, WithLine(SavedLines(), 211, 2, " ;1;6111000;x"), msg), -211);
  EXPECT_EQ(msg, "211, rivi 2: pal=-2 ( ;1;6111000;x)");
  EXPECT_EQ(q.Member.Count(), 1);
  ASSERT_EQ(q.Loads.Cases().Count(), 1);
  EXPECT_EQ(q.Loads.Cases().Name(0), "ennallaan");
}

TEST(ProjectFile, SettingsSectionIsAllOrNothing) {
  QELVUX_data q(kProgram);
  q.Settings.SetField(2, 111);
  q.Settings.SetField(3, 7);
  auto lines = WithLine(SavedLines(), 602, 1, "250");
  lines = WithLine(lines, 602, 3, "200000");
  std::string msg;
  EXPECT_EQ(Load(q, lines, msg), -602);
  EXPECT_EQ(msg, "virhenumero = 602 (200000)");
  EXPECT_EQ(q.Settings.Field(2), 111.0);
  EXPECT_EQ(q.Settings.Field(3), 7.0);
  // The cut counts characters.
  const std::string longText = "ääääääääääääääääääääääääääääääääääää";
  EXPECT_EQ(Load(q, WithLine(SavedLines(), 701, 1, longText), msg), -701);
  EXPECT_EQ(msg, "virhenumero = 701 (" + qv::CutChars(longText, 30) + ")");
}

// A library the project names by a name relative to it or to the data folder, or by a path
// of another machine, is found by that name or its file name, and the project keeps the
// name it gave when saved again.
TEST(ProjectFile, LibraryNamedRelativelyOrFromElsewhereIsFoundAndKeepsItsName) {
  QELVUX_data p(kProgram);
  p.Profiles.CurrentIndex = 2;
  qv::BuildProjectFile(p);
  const std::string name = p.Profiles.Name(2);
  for (const std::string& saved : {std::string("Sahattu_puutavara.pl1"),
                                   std::string("C:\\Ohjelmat\\QEL-VUX\\Sahattu_puutavara.pl1")}) {
    QELVUX_data q(kProgram);
    std::string msg;
    ASSERT_EQ(Load(q, WithLine(p.TextFile.Lines(), 801, 1, saved), msg), 0) << msg;
    EXPECT_GT(q.Profiles.Count(), 1) << saved;
    EXPECT_EQ(q.Profiles.Name(q.Profiles.CurrentIndex), name) << saved;
    qv::BuildProjectFile(q);
    EXPECT_EQ(q.TextFile.GetLine(801, 1), saved);
  }
}

TEST(ProjectFile, MissingOrChangedLibraryFallsBackToTheSavedSection) {
  QELVUX_data p(kProgram);
  p.Profiles.CurrentIndex = 2;
  qv::BuildProjectFile(p);
  const std::string name = p.Profiles.Name(2);
  const std::string record = p.Profiles.FormatRecord(2);
  std::string msg;
  for (auto lines : {WithLine(p.TextFile.Lines(), 801, 1, "/siirretty/kansio/Toinen_kirjasto.pl1"),
                     WithLine(p.TextFile.Lines(), 801, 2, "9999"),
                     WithLine(p.TextFile.Lines(), 801, 3, "toinen nimi")}) {
    QELVUX_data q(kProgram);
    ASSERT_EQ(Load(q, lines, msg), 0) << msg;
    ASSERT_EQ(q.Profiles.Count(), 1);
    EXPECT_EQ(q.Profiles.CurrentIndex, 0);
    EXPECT_EQ(q.Profiles.FileName(), "?");
    EXPECT_EQ(q.Profiles.FormatRecord(0), record);
  }
  // A saved section the program cannot use, in a project whose library is there (the
  // index no longer names it): the library's first section, and the user is told.
  for (const std::string& bad :
       {std::string("roskaa"), std::string("X;9;100;200;0;0;0;0;0;0;0;0")}) {
    QELVUX_data q(kProgram);
    auto unusable = WithLine(WithLine(p.TextFile.Lines(), 801, 2, "9999"), 801, 4, bad);
    ASSERT_EQ(Load(q, unusable, msg), 0) << msg;
    EXPECT_GT(q.Profiles.Count(), 1) << bad;
    EXPECT_EQ(q.Profiles.CurrentIndex, 0) << bad;
    EXPECT_EQ(msg, "Tallennettua poikkileikkausta (" + bad +
                       ") ei voi käyttää: valittu kirjaston ensimmäinen poikkileikkaus " +
                       q.Profiles.Name(0) + ".");
  }
  // Without the library, a saved section that cannot be read leaves nothing to design: an
  // error, not a pass.
  auto lines = WithLine(p.TextFile.Lines(), 801, 1, "/ei/ole.pl1");
  lines = WithLine(lines, 801, 4, "roskaa");
  QELVUX_data q(kProgram);
  EXPECT_EQ(Load(q, lines, msg), -801);
  EXPECT_EQ(msg, "virhenumero = 801 (roskaa)");
  (void)name;
}

TEST(ProjectFile, OldWindowsFileWithLfAndDecimalCommaReads) {
  QELVUX_data p(kProgram);
  qv::BuildProjectFile(p);
  std::string bytes;
  for (auto line : p.TextFile.Lines()) {
    if (line == "6000.00") line = "6000,00";
    if (line == "Palkki") line = "Py\xF6r\xE4palkki";  // Windows-1252 name
    bytes += line + "\n";
  }
  const fs::path a = TempDir() / "old.vux";
  WriteBytes(a, bytes);
  QELVUX_data q(kProgram);
  std::string msg;
  ASSERT_EQ(qv::LoadProject(q, a.string(), &msg), 0) << msg;
  EXPECT_EQ(q.Member.Length, 6000.0);
  EXPECT_EQ(q.Member.Name, "Pyöräpalkki");
}

TEST(ProjectFile, FailedSaveLeavesTheOldFileUntouched) {
  if (geteuid() == 0) {
    // root writes anywhere; a folder that does not exist still fails.
  }
  const fs::path a = TempDir() / "keep.vux";
  WriteBytes(a, "vanha sisältö");
  QELVUX_data p(kProgram);
  std::string msg;
  EXPECT_EQ(qv::SaveProject(p, (TempDir() / "no_such_folder" / "x.vux").string(), &msg), -1);
  EXPECT_NE(msg.find("ei voitu tallentaa"), std::string::npos);
  // A file whose name is taken by a folder cannot be replaced either.
  const fs::path dirAsFile = TempDir() / "folder.vux";
  fs::create_directories(dirAsFile);
  EXPECT_EQ(qv::SaveProject(p, dirAsFile.string(), &msg), -1);
  EXPECT_TRUE(fs::is_directory(dirAsFile));
  EXPECT_EQ(ReadBytes(a), "vanha sisältö");
  for (const auto& e : fs::directory_iterator(TempDir()))
    EXPECT_EQ(e.path().filename().string().find(".tmp-"), std::string::npos) << e.path();
}

TEST(ProjectFile, GarbageNeverCrashes) {
  QELVUX_data q(kProgram);
  std::string msg;
  std::vector<std::string> lines = SavedLines();
  for (std::size_t cut = 0; cut < lines.size(); ++cut) {
    std::vector<std::string> part(lines.begin(), lines.begin() + static_cast<long>(cut));
    Load(q, part, msg);
  }
  std::vector<std::string> junk{"[ ==== 1 ==== ]", "QEL-VUX", "INPUTFILE", "2", "x", "[ ==== 211"};
  for (int i = 0; i < 5000; ++i) junk.push_back(std::string(300, static_cast<char>('0' + i % 10)));
  EXPECT_LT(Load(q, junk, msg), 0);
  const fs::path a = TempDir() / "missing.vux";
  fs::remove(a);
  EXPECT_LT(qv::LoadProject(q, a.string(), &msg), 0);
}

}  // namespace

namespace {

// Every code, every direction of every load kind, own deflection limits: save, load, save.
TEST(ProjectFile, RoundTripOverCodesDirectionsAndOwnLimits) {
  for (qv::DesignCode designCode : qv::kDesignCodes) {
    const int code = qv::ToInt(designCode);
    QELVUX_data p(kProgram);
    p.DesignCode = designCode;
    p.NewModel();
    p.Member.AddPoint("Nivel ö", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 2500);
    p.Member.AddPoint("Jäykkä", RakenneVektori::kSupport, RakenneVektori::kFixed, 6000);
    int n = 0;
    for (qv::LoadKind kind : qv::kLoadKinds) {
      for (int dir : {1, 2, 3, 4, 5, 6, -1, -2, -3, -4, -5, -6}) {
        const double x1 = 100.0 * (++n);
        p.Loads.AddLoad("kuorma å" + std::to_string(n), n % p.Loads.Cases().Count(), kind, dir,
                        1 + n % 3, -1.23456 * n, 0.5 * n, x1,
                        kind == KuormaVektori::kPoint ? 0.0 : x1 + 700);
      }
    }
    // The combination's own allowed deflection sits in its header row, stored negative.
    auto& k = p.Loads.Combinations();
    const int header = k.HeaderRow(k.CombinationCount() - 1);
    std::vector<double> limit{-12.5};
    k.ReplaceRecord(header, nullptr, &limit, nullptr);
    p.Settings.SetField(5, 15);
    p.Settings.SetField(20, 2);
    p.Settings.SetField(24, 2750);
    p.Materials.SetAllowableRaiseFactor(1.2);
    const fs::path a = TempDir() / ("codes_a" + std::to_string(code) + ".vux");
    const fs::path b = TempDir() / ("codes_b" + std::to_string(code) + ".vux");
    ASSERT_EQ(qv::SaveProject(p, a.string()), 0);
    QELVUX_data q(kProgram);
    std::string msg;
    ASSERT_EQ(qv::LoadProject(q, a.string(), &msg), 0) << msg;
    EXPECT_EQ(q.DesignCode, designCode);
    EXPECT_EQ(q.Loads.Count(), 36);
    EXPECT_EQ(
        q.Loads.Combinations().OwnDeflectionLimit(q.Loads.Combinations().CombinationCount() - 1),
        12.5);
    EXPECT_EQ(q.Materials.AllowableRaiseFactor(), 1.2);
    ASSERT_EQ(qv::SaveProject(q, b.string()), 0);
    EXPECT_EQ(ReadBytes(a), ReadBytes(b)) << "code " << code;
  }
}

// Every shipped example reads and writes back byte for byte.
TEST(ProjectFile, ExamplesLoadAndSaveToTheSameBytes) {
  const fs::path examples = fs::path(QELVUX_SOURCE_DATA_DIR) / ".." / "examples";
  // The examples name their library relative to the working folder: read them where it lies.
  const fs::path before = fs::current_path();
  fs::current_path(QELVUX_SOURCE_DATA_DIR);
  int seen = 0;
  for (const auto& e : fs::directory_iterator(examples)) {
    if (e.path().extension() != ".vux") continue;
    QELVUX_data q(kProgram);
    std::string msg;
    ASSERT_EQ(qv::LoadProject(q, e.path().string(), &msg), 0) << e.path() << msg;
    const fs::path out = TempDir() / e.path().filename();
    ASSERT_EQ(qv::SaveProject(q, out.string()), 0);
    EXPECT_EQ(ReadBytes(out), ReadBytes(e.path())) << e.path();
    ++seen;
  }
  fs::current_path(before);
  EXPECT_GE(seen, 4);
}

}  // namespace

// Design code 4 keeps its case categories (311), settings (651), floor vibration check (652)
// and material (702), and only its files hold those sections.
TEST(ProjectFile, Code4SectionsRoundTripAndOnlyCode4WritesThem) {
  const fs::path a = TempDir() / "code4_a.vux";
  const fs::path b = TempDir() / "code4_b.vux";
  QELVUX_data p(kProgram);
  p.DesignCode = qv::DesignCode::kEc5;
  p.LoadDefaultLoads();
  p.Loads.SetCaseCategory(2, qv::LoadCategory::kSnowHigh);
  p.Settings.ec5.consequenceClass = 3;
  p.Settings.ec5.ltbFactor = 0.8;
  p.Settings.ec5.loadPosition = 2;
  p.Settings.ec5.kc90 = 1.5;
  p.Settings.ec5.wfinLimit = 200.0;
  // Values that survive the file's decimals.
  p.Settings.ec5.vibration = {true, 4.25, 12345.6, 95.5, 0.012, 120.0, 0.6, 8.5};
  p.Materials.SetMaterial(qv::DesignCode::kEc5, 12);
  p.Materials.SetMoistureClass(qv::DesignCode::kEc5, 2);
  ASSERT_EQ(qv::SaveProject(p, a.string()), 0);

  QELVUX_data q(kProgram);
  std::string msg;
  ASSERT_EQ(qv::LoadProject(q, a.string(), &msg), 0) << msg;
  EXPECT_EQ(q.DesignCode, qv::DesignCode::kEc5);
  EXPECT_EQ(q.Loads.CaseCategories(), p.Loads.CaseCategories());
  EXPECT_TRUE(q.Settings.ec5 == p.Settings.ec5);
  EXPECT_EQ(q.Materials.Material(qv::DesignCode::kEc5), 12);
  EXPECT_EQ(q.Materials.MoistureClass(qv::DesignCode::kEc5), 2);
  ASSERT_EQ(qv::SaveProject(q, b.string()), 0);
  EXPECT_EQ(ReadBytes(a), ReadBytes(b));

  // The check switched off is not written, and a file without 652 opens with it off.
  p.Settings.ec5.vibration.on = false;
  ASSERT_EQ(qv::SaveProject(p, b.string()), 0);
  EXPECT_EQ(ReadBytes(b).find("[ ==== 652 ==== ]"), std::string::npos);
  ASSERT_EQ(qv::LoadProject(q, b.string(), &msg), 0) << msg;
  EXPECT_TRUE(q.Settings.ec5.vibration == FloorVibrationSettings());

  q.Settings.ec5.vibration.on = true;
  q.DesignCode = qv::DesignCode::kEc5Env;
  const std::vector<std::string> lines = qv::ProjectFileLines(q);
  for (const std::string& line : lines) {
    for (const char* header :
         {"[ ==== 311 ==== ]", "[ ==== 651 ==== ]", "[ ==== 652 ==== ]", "[ ==== 702 ==== ]"})
      EXPECT_NE(line, header);
  }
}
