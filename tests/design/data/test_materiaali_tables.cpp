// Small material tables written by the tests: the layout per code, size factors per type and every
// fallback.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include <unistd.h>

#include "design/data/MateriaaliTiedot.h"
#include "model/TextCodec.h"

namespace fs = std::filesystem;

namespace {

qv::SectionSize Rect(double b, double h) {
  return qv::SectionSize{qv::SectionShape::kRectangle, b, h};
}

// EC5: two duration classes, two service classes, seven materials. fk of quantity q for
// material n is 100 q + n, except where a line says otherwise.
const std::vector<std::string> kEc5 = {
    "// test table",
    "[ ==== 1 ==== ]",
    "Pysyvä",
    "Keskipitkä",
    "[ ==== 11 ==== ]",
    "KL1",
    "KL2",
    "[ ==== 21 ==== ]",
    "A",
    "B",
    "C",
    "D",
    "E",
    "F",
    "G",
    // types: 1, 2, 12 (out of range), 0, 3, unreadable; G has no line
    "[ ==== 22 ==== ]",
    "1",
    "2",
    "12",
    "0",
    "3",
    "abc",
    "[ ==== 31 ==== ]",
    "101;102;103;104;105;106;107",
    "[ ==== 32 ==== ]",
    "201;202;203;204;205;206;207",
    "[ ==== 33 ==== ]",
    "11,5;302;303;304;305;306;307",  // decimal comma
    "[ ==== 34 ==== ]",
    "401;402;403;404;405;406;407",
    "[ ==== 35 ==== ]",
    "11,5 MPa;502;503;504;505;506;507",  // spoils its line
    "[ ==== 36 ==== ]",
    "601;602;603;604;605;606",  // one field short
    "[ ==== 37 ==== ]",
    "701;702;703;704;705;706;707",
    "[ ==== 38 ==== ]",
    "801;802;803;804;805;806;807",
    "[ ==== 39 ==== ]",
    "901;902;903;904;905;906;907",
    "[ ==== 41 ==== ]",
    "0,5;0.8",  // no line for class 2
    "[ ==== 43 ==== ]",
    "0.9;0.9",
    "x;y",
    "[ ==== 51 ==== ]",
    "0.6;0.8",
    "0,25;0.5",
    "[ ==== 53 ==== ]",
    "1;2",
};

// Limit states: two duration and two moisture classes, materials of type 1 and 5.
const std::vector<std::string> kLimitState = {
    "[ ==== 1 ==== ]",
    "P",
    "L",
    "[ ==== 11 ==== ]",
    "K1",
    "K2",
    "[ ==== 21 ==== ]",
    "S",
    "V",
    "[ ==== 22 ==== ]",
    "1",
    "5",
    "[ ==== 31 ==== ]",
    "10;20",
    "[ ==== 32 ==== ]",
    "11;21",
    "[ ==== 33 ==== ]",
    "12;22",
    "[ ==== 34 ==== ]",
    "13;23",
    "[ ==== 35 ==== ]",
    "14;24",
    "[ ==== 36 ==== ]",
    "15;25",
    "[ ==== 37 ==== ]",
    "1000;2000",
    "[ ==== 38 ==== ]",
    "17;27",
    "[ ==== 39 ==== ]",
    "18;28",
    "[ ==== 41 ==== ]",
    "0.6;0.7",  // no line for class 2
    "[ ==== 42 ==== ]",
    "0.5;0.4",
    "0.25;0.2",
};

// Allowable stresses: two duration classes, three moisture classes (lines m + 3 (d - 1)),
// two materials of type 1 and 2. Value = 1000 q + 10 line + material.
std::vector<std::string> AllowableTable(int linesOfSection31) {
  std::vector<std::string> t = {"[ ==== 1 ==== ]",  "P", "L", "[ ==== 11 ==== ]", "K1", "K2", "K3",
                                "[ ==== 21 ==== ]", "S", "G", "[ ==== 22 ==== ]", "1",  "2"};
  for (int q = 1; q <= 9; ++q) {
    t.push_back("[ ==== " + std::to_string(30 + q) + " ==== ]");
    const int lines = q == 1 ? linesOfSection31 : 6;
    for (int line = 1; line <= lines; ++line) {
      const int v = 1000 * q + 10 * line;
      t.push_back(std::to_string(v + 1) + ";" + std::to_string(v + 2));
    }
  }
  return t;
}

class MaterialFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = fs::temp_directory_path() /
          ("qv_materiaali_" + std::to_string(::getpid()) + "_" + info->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }

  void Write(const std::string& name, const std::vector<std::string>& lines) {
    ASSERT_TRUE(qv::WriteTextFileLines((dir / name).string(), lines));
  }
  void WriteAll() {
    Write("Eurocode.dat", kEc5);
    Write("Rajatila.dat", kLimitState);
    Write("Sallitut.dat", AllowableTable(6));
    ASSERT_EQ(3, m.LoadTables(dir.string()));
  }
  double Ec5(int q, int n, int d, int sc, int kind = 1) {
    return m.TableValue(q, qv::DesignCode::kEc5Env, n, d, sc, kind);
  }

  fs::path dir;
  MateriaaliTiedot m;
};

TEST_F(MaterialFiles, Ec5ValuesAndKmodFallbacks) {
  WriteAll();
  ASSERT_EQ(0, m.SetEc5PartialFactor(1.25));
  EXPECT_EQ(7u,
            m.MaterialNames(qv::DesignCode::kEc5Env).size());  // the comment line is no material
  EXPECT_DOUBLE_EQ(101 * 0.8 / 1.25, Ec5(1, 1, 1, 2));
  EXPECT_DOUBLE_EQ(101 * 0.5 / 1.25, Ec5(1, 1, 1, 1));  // kmod written 0,5
  EXPECT_DOUBLE_EQ(11.5 * 0.8 / 1.25, Ec5(3, 1, 1, 2));
  EXPECT_DOUBLE_EQ(307 * 0.8 / 1.25, Ec5(3, 7, 1, 2));
  // No kmod line for duration class 2: no value (as 1 it would overstate the strength).
  EXPECT_EQ(0.0, Ec5(1, 1, 2, 1));
  // The deflection modulus has neither kmod nor γM.
  EXPECT_DOUBLE_EQ(701, Ec5(7, 1, 1, 1));
  // Characteristic values: fk as written.
  EXPECT_DOUBLE_EQ(801, Ec5(8, 1, 1, 1, 2));
  EXPECT_DOUBLE_EQ(11.5, Ec5(3, 1, 2, 2, 2));
  // A line with "11,5 MPa" or with a field missing yields nothing for any material.
  for (int n = 1; n <= 7; ++n) {
    EXPECT_EQ(0.0, Ec5(5, n, 1, 1)) << n;
    EXPECT_EQ(0.0, Ec5(6, n, 1, 1, 2)) << n;
  }
  // Glulam has no section 42 and uses 41; type 0 has no section 40 and uses 41 too.
  EXPECT_DOUBLE_EQ(102 * 0.8 / 1.25, Ec5(1, 2, 1, 2));
  EXPECT_DOUBLE_EQ(104 * 0.8 / 1.25, Ec5(1, 4, 1, 2));
  // Type 3 has its own section 43, whose class-2 line does not parse: kmod 0.
  EXPECT_DOUBLE_EQ(105 * 0.9 / 1.25, Ec5(1, 5, 1, 2));
  EXPECT_EQ(0.0, Ec5(1, 5, 2, 2));
  EXPECT_DOUBLE_EQ(705, Ec5(7, 5, 2, 2));
}

TEST_F(MaterialFiles, MaterialTypes) {
  WriteAll();
  EXPECT_EQ(1, m.MaterialTypeOf(qv::DesignCode::kEc5Env, 1));
  EXPECT_EQ(2, m.MaterialTypeOf(qv::DesignCode::kEc5Env, 2));
  EXPECT_EQ(1, m.MaterialTypeOf(qv::DesignCode::kEc5Env, 3));  // 12 lies outside 0..10
  EXPECT_EQ(0, m.MaterialTypeOf(qv::DesignCode::kEc5Env, 4));
  EXPECT_EQ(3, m.MaterialTypeOf(qv::DesignCode::kEc5Env, 5));
  EXPECT_EQ(1, m.MaterialTypeOf(qv::DesignCode::kEc5Env, 6));  // does not parse
  EXPECT_EQ(1, m.MaterialTypeOf(qv::DesignCode::kEc5Env, 7));  // no line
  EXPECT_EQ(1, m.MaterialTypeOf(qv::DesignCode::kEc5Env, 0));
  m.SetMaterial(qv::DesignCode::kLimitState, 2);
  EXPECT_EQ(5, m.MaterialType(qv::DesignCode::kLimitState));
  m.SetMaterial(qv::DesignCode::kEc5Env, 5);
  EXPECT_EQ(3, m.MaterialType(qv::DesignCode::kEc5Env));
}

TEST_F(MaterialFiles, CreepFactorPerType) {
  WriteAll();
  EXPECT_DOUBLE_EQ(0.8, m.CreepFactor(qv::DesignCode::kEc5Env, 1, 1, 2));
  EXPECT_DOUBLE_EQ(0.25, m.CreepFactor(qv::DesignCode::kEc5Env, 1, 2, 1));  // written 0,25
  EXPECT_DOUBLE_EQ(
      0.8, m.CreepFactor(qv::DesignCode::kEc5Env, 2, 1, 2));  // no section 52: type 1's table
  EXPECT_DOUBLE_EQ(2.0, m.CreepFactor(qv::DesignCode::kEc5Env, 5, 1, 2));  // section 53
  EXPECT_EQ(0.0, m.CreepFactor(qv::DesignCode::kEc5Env, 5, 2, 2));         // no line
  EXPECT_EQ(0.0, m.CreepFactor(qv::DesignCode::kEc5Env, 1, 1, 3));         // no such service class
  EXPECT_EQ(0.0, m.CreepFactor(qv::DesignCode::kEc5Env, 8, 1, 1));         // no such material
}

TEST_F(MaterialFiles, LimitStateFactorLines) {
  WriteAll();
  ASSERT_EQ(0, m.SetLimitStatePartialFactor(1.17));
  EXPECT_DOUBLE_EQ(20 * 0.7 / 1.17, m.TableValue(1, qv::DesignCode::kLimitState, 2, 1, 2, 1));
  EXPECT_DOUBLE_EQ(1000 * 0.4, m.TableValue(7, qv::DesignCode::kLimitState, 1, 1, 2, 1));
  // Duration class 2 has no kmod line: every strength is 0, the modulus still has its line.
  for (int q = 1; q <= 9; ++q) {
    if (q == 7) continue;
    EXPECT_EQ(0.0, m.TableValue(q, qv::DesignCode::kLimitState, 1, 2, 1, 1)) << q;
  }
  EXPECT_DOUBLE_EQ(2000 * 0.2, m.TableValue(7, qv::DesignCode::kLimitState, 2, 2, 2, 1));
  // Characteristic values need no factor line.
  EXPECT_DOUBLE_EQ(11, m.TableValue(2, qv::DesignCode::kLimitState, 1, 2, 1, 2));
}

TEST_F(MaterialFiles, AllowableLinePerDurationAndMoisture) {
  Write("Sallitut.dat", AllowableTable(5));
  ASSERT_EQ(1, m.LoadTables(dir.string() + "/"));
  ASSERT_EQ(0, m.SetAllowableRaiseFactor(1.5));
  // Duration 2, moisture 2: line 2 + 3 · 1 = 5.
  EXPECT_DOUBLE_EQ((2000 + 50 + 2) * 1.5,
                   m.TableValue(2, qv::DesignCode::kAllowableStress, 2, 2, 2, 1));
  EXPECT_DOUBLE_EQ((9000 + 30 + 1) * 1.5,
                   m.TableValue(9, qv::DesignCode::kAllowableStress, 1, 1, 3, 1));
  EXPECT_DOUBLE_EQ((6000 + 60 + 1) * 1.5,
                   m.TableValue(6, qv::DesignCode::kAllowableStress, 1, 2, 3, 1));
  EXPECT_DOUBLE_EQ(7000 + 60 + 2,
                   m.TableValue(7, qv::DesignCode::kAllowableStress, 2, 2, 3, 1));  // never raised
  // Section 31 ends at line 5: duration 2, moisture 3 has no value.
  EXPECT_DOUBLE_EQ((1000 + 50 + 1) * 1.5,
                   m.TableValue(1, qv::DesignCode::kAllowableStress, 1, 2, 2, 1));
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kAllowableStress, 1, 2, 3, 1));
  EXPECT_EQ(0.0, m.TableValue(2, qv::DesignCode::kAllowableStress, 1, 2, 3,
                              2));  // no characteristic values
}

TEST_F(MaterialFiles, SizeFactorsPerCodeAndType) {
  WriteAll();
  const double n600 = std::pow(0.5, 1.0 / 9.0);   // 300/600
  const double n400 = std::pow(0.75, 1.0 / 9.0);  // 300/400
  DesignValues v;
  // EC5 type 3: large sections lower bending and, with the larger side, tension.
  m.SetMaterial(qv::DesignCode::kEc5Env, 5);
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(100, 600), 2, v));
  EXPECT_DOUBLE_EQ(105 * n600, v.Get(1));
  EXPECT_DOUBLE_EQ(405 * n600, v.Get(4));
  EXPECT_DOUBLE_EQ(805, v.Get(8));
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(400, 200), 2, v));
  EXPECT_DOUBLE_EQ(105, v.Get(1));
  EXPECT_DOUBLE_EQ(805 * n400, v.Get(8));
  EXPECT_DOUBLE_EQ(405 * n400, v.Get(4));
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(200, 200), 2, v));
  EXPECT_DOUBLE_EQ(405, v.Get(4));
  // EC5 type 0 and types outside 1..5: no factor.
  m.SetMaterial(qv::DesignCode::kEc5Env, 4);
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(40, 50), 2, v));
  EXPECT_DOUBLE_EQ(104, v.Get(1));
  EXPECT_DOUBLE_EQ(804, v.Get(8));
  // EC5 sawn timber, width is the smaller side: the b factor also takes tension when h < b.
  m.SetMaterial(qv::DesignCode::kEc5Env, 1);
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(120, 100), 2, v));
  EXPECT_DOUBLE_EQ(101 * std::pow(1.5, 0.2), v.Get(1));
  EXPECT_DOUBLE_EQ(801 * std::pow(1.25, 0.2), v.Get(8));
  EXPECT_DOUBLE_EQ(401 * std::pow(1.25, 0.2), v.Get(4));
  // Limit states type 5: only bending, never tension.
  m.SetMaterial(qv::DesignCode::kLimitState, 2);
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kLimitState, 1, Rect(600, 200), 2, v));
  EXPECT_DOUBLE_EQ(20, v.Get(1));
  EXPECT_DOUBLE_EQ(27 * n600, v.Get(8));
  EXPECT_DOUBLE_EQ(23, v.Get(4));
  // Allowable stresses, glulam 400 deep.
  m.SetMaterial(qv::DesignCode::kAllowableStress, 2);
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kAllowableStress, 1, Rect(100, 400), 1, v));
  EXPECT_DOUBLE_EQ((1000 + 10 + 2) * n400, v.Get(1));
  EXPECT_DOUBLE_EQ(8000 + 10 + 2, v.Get(8));
}

TEST_F(MaterialFiles, MissingFilesAndFolders) {
  Write("Rajatila.dat", kLimitState);
  EXPECT_EQ(1, m.LoadTables(dir.string()));
  EXPECT_EQ(2u, m.MaterialNames(qv::DesignCode::kLimitState).size());
  EXPECT_TRUE(m.MaterialNames(qv::DesignCode::kAllowableStress).empty());
  EXPECT_TRUE(m.MoistureClassNames(qv::DesignCode::kEc5Env).empty());
  EXPECT_TRUE(m.DurationClassNames(qv::DesignCode::kEc5Env).empty());
  EXPECT_EQ("", m.DurationClassName(qv::DesignCode::kEc5Env, 1));
  DesignValues v;
  v.Set(1, 5.0);
  EXPECT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(50, 100), 1, v));
  for (int q = 1; q <= 9; ++q) EXPECT_EQ(0.0, v.Get(q)) << q;
  EXPECT_FALSE(v.AllPositive());
  EXPECT_EQ(0.0, m.CreepFactor(qv::DesignCode::kEc5Env, 1, 1, 1));
  EXPECT_EQ(1, m.MaterialType(qv::DesignCode::kEc5Env));

  // Loading again from elsewhere forgets the old tables.
  EXPECT_EQ(0, m.LoadTables((dir / "nowhere").string()));
  EXPECT_TRUE(m.MaterialNames(qv::DesignCode::kLimitState).empty());
  EXPECT_EQ(0, m.LoadTables(""));
  MateriaaliTiedot fromFolder(dir.string());
  EXPECT_EQ(2u, fromFolder.MaterialNames(qv::DesignCode::kLimitState).size());

  EXPECT_EQ("/opt/qelvux", MateriaaliTiedot::FolderOf("/opt/qelvux/qelvux"));
  EXPECT_EQ("C:\\Ohjelmat", MateriaaliTiedot::FolderOf("C:\\Ohjelmat\\QEL-vux.exe"));
  EXPECT_EQ("", MateriaaliTiedot::FolderOf("qelvux"));
}

// The numbers are read once with the table: a table read again (an edited file) gives its
// new numbers, and a copy taken before keeps the numbers of the table it was copied with.
TEST_F(MaterialFiles, ReloadedTableGivesItsNewNumbers) {
  const struct {
    const char* fk;     // section 31, materials S and V
    const char* kmod;   // section 41, class P, moisture classes K1 and K2
    const char* types;  // section 22 of the two materials
    double designV;     // f_m,d of V in K2: fk * kmod / 1.3
    int typeV;
  } cases[] = {
      {"10;20", "0.6;0.7", "1", 20 * 0.7 / 1.3, 1},
      {"10;26", "0.6;0.9", "4", 26 * 0.9 / 1.3, 4},
      {"10;x", "0.6;0.9", "2", 0.0, 2},  // a spoilt line: no value for any material
  };
  std::vector<MateriaaliTiedot> copies;
  for (const auto& c : cases) {
    std::vector<std::string> table = kLimitState;
    table[std::find(table.begin(), table.end(), "[ ==== 31 ==== ]") - table.begin() + 1] = c.fk;
    table[std::find(table.begin(), table.end(), "[ ==== 41 ==== ]") - table.begin() + 1] = c.kmod;
    table[std::find(table.begin(), table.end(), "[ ==== 22 ==== ]") - table.begin() + 2] = c.types;
    Write("Rajatila.dat", table);
    ASSERT_EQ(1, m.LoadTables(dir.string()));
    EXPECT_DOUBLE_EQ(c.designV, m.TableValue(1, qv::DesignCode::kLimitState, 2, 1, 2, 1)) << c.fk;
    EXPECT_EQ(c.typeV, m.MaterialTypeOf(qv::DesignCode::kLimitState, 2)) << c.types;
    copies.push_back(m);
  }
  for (std::size_t i = 0; i < copies.size(); ++i) {
    EXPECT_DOUBLE_EQ(cases[i].designV,
                     copies[i].TableValue(1, qv::DesignCode::kLimitState, 2, 1, 2, 1))
        << i;
  }
}
TEST_F(MaterialFiles, IndicesOutsideTheTables) {
  WriteAll();
  EXPECT_GT(m.TableValue(1, qv::DesignCode::kEc5Env, 1, 1, 1, 1), 0.0);
  EXPECT_EQ(0.0, m.TableValue(0, qv::DesignCode::kEc5Env, 1, 1, 1, 1));
  EXPECT_EQ(0.0, m.TableValue(10, qv::DesignCode::kEc5Env, 1, 1, 1, 1));
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kEc5Env, 0, 1, 1, 1));
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kEc5Env, 8, 1, 1, 1));
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kEc5Env, 1, 0, 1, 1));
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kEc5Env, 1, 3, 1, 1));
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kEc5Env, 1, 1, 0, 1));
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kEc5Env, 1, 1, 3, 1));
  EXPECT_EQ(0.0, m.TableValue(1, qv::DesignCode::kEc5Env, 1, 1, 1, 3));

  // A selection beyond the table reads as zeros.
  DesignValues v;
  m.SetMaterial(qv::DesignCode::kEc5Env, 9);
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(50, 100), 1, v));
  for (int q = 1; q <= 9; ++q) EXPECT_EQ(0.0, v.Get(q)) << q;
  m.SetMaterial(qv::DesignCode::kEc5Env, 1);
  m.SetMoistureClass(qv::DesignCode::kEc5Env, 3);
  ASSERT_EQ(0, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(50, 100), 1, v));
  EXPECT_EQ(0.0, v.Get(7));
}

TEST_F(MaterialFiles, NoSectionLeavesValuesAlone) {
  WriteAll();
  DesignValues v;
  for (int q = 1; q <= 9; ++q) v.Set(q, 7.0);
  EXPECT_EQ(-1, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, qv::SectionSize{}, 1, v));
  EXPECT_EQ(-1, m.GetDesignValues(qv::DesignCode::kEc5Env, 1, Rect(0, 100), 1, v));
  for (int q = 1; q <= 9; ++q) EXPECT_EQ(7.0, v.Get(q)) << q;
  EXPECT_TRUE(v.AllPositive());
}

TEST(MateriaaliTiedotSettings, SelectionsAndFactors) {
  MateriaaliTiedot m;
  EXPECT_DOUBLE_EQ(1.3, m.LimitStatePartialFactor());
  EXPECT_DOUBLE_EQ(1.0, m.AllowableRaiseFactor());
  EXPECT_DOUBLE_EQ(1.3, m.Ec5PartialFactor());
  for (qv::DesignCode code : qv::kDesignCodes) {
    EXPECT_EQ(1, m.Material(code));
    EXPECT_EQ(1, m.MoistureClass(code));
  }
  // Each code keeps its own pair.
  m.SetMaterial(qv::DesignCode::kAllowableStress, 4);
  m.SetMoistureClass(qv::DesignCode::kLimitState, 3);
  m.SetMaterial(qv::DesignCode::kEc5Env, 2);
  EXPECT_EQ(4, m.Material(qv::DesignCode::kAllowableStress));
  EXPECT_EQ(1, m.Material(qv::DesignCode::kLimitState));
  EXPECT_EQ(3, m.MoistureClass(qv::DesignCode::kLimitState));
  EXPECT_EQ(1, m.MoistureClass(qv::DesignCode::kEc5Env));
  m.ResetSelections();
  for (qv::DesignCode code : qv::kDesignCodes) {
    EXPECT_EQ(1, m.Material(code));
    EXPECT_EQ(1, m.MoistureClass(code));
  }
  // A factor that would divide by zero or flip signs is refused and the old one kept.
  EXPECT_EQ(0, m.SetEc5PartialFactor(1.5));
  EXPECT_EQ(-1, m.SetEc5PartialFactor(0.0));
  EXPECT_EQ(-1, m.SetLimitStatePartialFactor(-1.3));
  EXPECT_EQ(-1, m.SetAllowableRaiseFactor(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_EQ(-1, m.SetAllowableRaiseFactor(std::numeric_limits<double>::infinity()));
  EXPECT_DOUBLE_EQ(1.5, m.Ec5PartialFactor());
  EXPECT_DOUBLE_EQ(1.3, m.LimitStatePartialFactor());
  EXPECT_DOUBLE_EQ(1.0, m.AllowableRaiseFactor());
}

TEST(MateriaaliTiedotSettings, EmptyObjectReadsZeros) {
  MateriaaliTiedot m;
  DesignValues v;
  EXPECT_EQ(0, m.GetDesignValues(qv::DesignCode::kLimitState, 1, Rect(50, 100), 1, v));
  EXPECT_FALSE(v.AllPositive());
  double kdef = 5;
  EXPECT_EQ(0.0, m.MemberStiffness(qv::DesignCode::kEc5Env, 1, Rect(50, 100), 1, &kdef));
  EXPECT_EQ(0.0, kdef);
  EXPECT_TRUE(m.Table(qv::DesignCode::kEc5Env).Lines().empty());
}

// A table that lacks a value of the chosen material, or holds an implausible one, is named
// with its file, section and line; the other materials do not matter.
TEST_F(MaterialFiles, SelectionProblemNamesTheFileSectionAndLine) {
  // Two duration classes, one service class, materials A and B of type 1.
  const std::vector<std::string> good = {"[ ==== 1 ==== ]",
                                         "P",
                                         "K",
                                         "[ ==== 11 ==== ]",
                                         "KL1",
                                         "[ ==== 21 ==== ]",
                                         "A",
                                         "B",
                                         "[ ==== 22 ==== ]",
                                         "1",
                                         "1",
                                         "[ ==== 31 ==== ]",
                                         "24;30",
                                         "[ ==== 32 ==== ]",
                                         "21;24",
                                         "[ ==== 33 ==== ]",
                                         "2.5;2.7",
                                         "[ ==== 34 ==== ]",
                                         "14;18",
                                         "[ ==== 35 ==== ]",
                                         "4;4",
                                         "[ ==== 36 ==== ]",
                                         "7400;8000",
                                         "[ ==== 37 ==== ]",
                                         "11000;12000",
                                         "[ ==== 38 ==== ]",
                                         "24;30",
                                         "[ ==== 39 ==== ]",
                                         "4;4",
                                         "[ ==== 41 ==== ]",
                                         "0.6",
                                         "0.8",
                                         "[ ==== 51 ==== ]",
                                         "0.6",
                                         "0.0"};
  auto with = [&](const std::string& find, const std::string& replace) {
    std::vector<std::string> t = good;
    for (auto& line : t)
      if (line == find) line = replace;
    if (replace.empty()) t.erase(std::find(t.begin(), t.end(), std::string()));
    return t;
  };
  struct Case {
    const char* what;
    std::vector<std::string> table;
    int material;
    const char* problem;
  };
  const Case cases[] = {
      {"good", good, 1, ""},
      {"no kmod line for class 2", with("0.8", ""), 1,
       "Eurocode.dat, osa 41, rivi 2: kmod puuttuu"},
      {"no kdef line for class 2", with("0.0", ""), 1,
       "Eurocode.dat, osa 51, rivi 2: kdef puuttuu"},
      {"kmod above 2", with("0.8", "2.5"), 1,
       "Eurocode.dat, osa 41, rivi 2: kmod 2.500 ei ole uskottava"},
      {"a strength of 1e30", with("24;30", "1e30;30"), 1, "Eurocode.dat, osa 31, rivi 1: lujuus"},
      {"B's strength does not matter for A", with("24;30", "24;1e30"), 1, ""},
      {"but it does for B", with("24;30", "24;1e30"), 2, "Eurocode.dat, osa 31, rivi 1: lujuus"},
      {"a short line", with("21;24", "21"), 2,
       "Eurocode.dat, osa 32, rivi 1: lujuus: rivi ei ole luettavissa"},
      {"a material beyond the table", good, 3, "Eurocode.dat: materiaalia 3 ei ole taulukossa"},
  };
  for (const Case& c : cases) {
    Write("Eurocode.dat", c.table);
    m.LoadTables(dir.string());
    m.SetMaterial(qv::DesignCode::kEc5Env, c.material);
    m.SetMoistureClass(qv::DesignCode::kEc5Env, 1);
    EXPECT_EQ(0u, m.SelectionProblem(qv::DesignCode::kEc5Env).rfind(c.problem, 0))
        << c.what << ": " << m.SelectionProblem(qv::DesignCode::kEc5Env);
    if (std::string(c.problem).empty()) {
      EXPECT_EQ("", m.SelectionProblem(qv::DesignCode::kEc5Env)) << c.what;
    }
  }
}

// The shipped tables hold every value of every material in every class.
TEST(ShippedMaterialTables, HoldEveryValueOfEveryMaterial) {
  MateriaaliTiedot m(QELVUX_SOURCE_DATA_DIR);
  for (qv::DesignCode code : qv::kDesignCodes) {
    const int materials = static_cast<int>(m.MaterialNames(code).size());
    const int classes = static_cast<int>(m.MoistureClassNames(code).size());
    ASSERT_GT(materials, 0) << qv::ToInt(code);
    for (int n = 1; n <= materials; ++n) {
      for (int c = 1; c <= classes; ++c) {
        m.SetMaterial(code, n);
        m.SetMoistureClass(code, c);
        EXPECT_EQ("", m.SelectionProblem(code)) << qv::ToInt(code) << " " << n << " " << c;
      }
    }
  }
}

}  // namespace
