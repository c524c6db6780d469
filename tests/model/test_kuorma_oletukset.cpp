// Default load sets per design code: the built-in tables, the shipped files, and fallbacks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/KuormaOletukset.h"
#include "model/KuormaVektori.h"
#include "model/TextCodec.h"

namespace {

namespace fs = std::filesystem;

struct Case {
  std::string name;
  int durationClass;
};
struct Combo {
  int kind;
  std::vector<double> factors;  // 0 = no row
};

// The default sets as the designers' tables give them.
const std::vector<Case> kB10Cases = {
    {"Omapaino", 0}, {"Hyötykuorma", 1}, {"Lumikuorma", 1}, {"Tuulikuorma", 2}};
const std::vector<Case> kEc5Cases = {{"Omapaino", 0}, {"Varastokuorma", 1}, {"Hyötykuorma", 2},
                                     {"Lumi 80%", 2}, {"Lumi 20%", 3},      {"Tuulikuorma", 3}};
// Code 4 without its file: own weight, imposed, snow and wind, and no combinations, which
// are generated only from the factors of the file.
const std::vector<Case> kEc5NaCases = {
    {"Omapaino", 0}, {"Hyötykuorma", 2}, {"Lumikuorma", 2}, {"Tuulikuorma", 3}};
const std::vector<std::vector<Combo>> kCombos = {
    {},
    {{1, {1.0, 1.0, 1.0, 0.5}},
     {1, {1.0, 1.0, 0.5, 1.0}},
     {2, {1.0, 1.0, 1.0, 0.5}},
     {2, {1.0, 1.0, 0.5, 1.0}}},
    {{1, {1.2, 1.6, 1.6, 0.8}},
     {1, {1.2, 1.6, 0.8, 1.6}},
     {2, {1.0, 1.0, 1.0, 0.5}},
     {2, {1.0, 1.0, 0.5, 1.0}}},
    {{1, {1.2, 0.0, 1.5, 1.05, 1.05, 0.75}}, {2, {1.0, 1.0, 1.0, 0.5, 0.5, 0.3}}},
    {}};

void ExpectDefaultSet(const KuormaVektori& v, int code) {
  const auto& cases = code == 3 ? kEc5Cases : code == 4 ? kEc5NaCases : kB10Cases;
  const auto& kt = v.Cases();
  ASSERT_EQ(kt.Count(), static_cast<int>(cases.size()));
  for (int i = 0; i < kt.Count(); ++i) {
    EXPECT_EQ(kt.Name(i), cases[i].name);
    EXPECT_EQ(kt.DurationClass(i), cases[i].durationClass);
  }
  const auto& ky = v.Combinations();
  const auto& combos = kCombos[code];
  ASSERT_EQ(ky.CombinationCount(), static_cast<int>(combos.size()));
  int rows = 0;
  for (int c = 0; c < static_cast<int>(combos.size()); ++c) {
    const int h = ky.HeaderRow(c);
    ASSERT_GE(h, 0);
    EXPECT_EQ(ky.TextOr(h, 0), "KY" + std::to_string(c + 1));
    EXPECT_EQ(ky.RowKind(h), combos[c].kind);
    EXPECT_DOUBLE_EQ(ky.Value(h), 0.0);
    ++rows;
    for (int k = 0; k < static_cast<int>(combos[c].factors.size()); ++k) {
      EXPECT_DOUBLE_EQ(ky.Factor(c, k), combos[c].factors[k]) << "KY" << c + 1 << " KT" << k;
      rows += combos[c].factors[k] != 0.0 ? 1 : 0;
    }
  }
  EXPECT_EQ(ky.Count(), rows);  // no zero-factor rows
}

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qelvux_kuorma_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Folder() const { return dir_.string() + "/"; }
  void Write(const std::string& name, const std::vector<std::string>& lines) {
    ASSERT_TRUE(qv::WriteTextFileLines((dir_ / name).string(), lines));
  }
  fs::path dir_;
};

TEST(KuormaOletukset, BuiltInSetsMatchTheTables) {
  for (qv::DesignCode designCode : qv::kDesignCodes) {
    const int code = qv::ToInt(designCode);
    SCOPED_TRACE(code);
    KuormaVektori v;
    v.Combinations().CurrentIndex = 3;
    EXPECT_EQ(v.LoadDefaults("", designCode), 1);
    ExpectDefaultSet(v, code);
    EXPECT_EQ(v.Combinations().CurrentIndex, -1);
  }
}

TEST(KuormaOletukset, BuiltInSetLeavesSelectionAsItWas) {
  KuormitustapausVektori kt;
  KuormaYhdVektori ky;
  ky.CurrentIndex = 2;
  qv::BuildBuiltInLoadSet(qv::DesignCode::kAllowableStress, kt, ky);
  EXPECT_EQ(ky.CurrentIndex, 2);
}

TEST(KuormaOletukset, ShippedFilesHoldTheBuiltInSets) {
  const std::string folder = std::string(QELVUX_SOURCE_DATA_DIR) + "/";
  for (qv::DesignCode designCode : qv::kDesignCodes) {
    const int code = qv::ToInt(designCode);
    SCOPED_TRACE(code);
    // Code 4's shipped combinations are generated (Ec5Combinations.ShippedDefaultSet).
    if (designCode == qv::DesignCode::kEc5) continue;
    KuormaVektori v;
    EXPECT_EQ(v.LoadDefaults(folder, designCode), 0);
    ExpectDefaultSet(v, code);
    EXPECT_EQ(v.Combinations().CurrentIndex, 0);
  }
}

TEST(KuormaOletukset, LoadsAreNotTouched) {
  KuormaVektori v;
  v.AddLoad("g", 0, KuormaVektori::kPoint, -2, 1, 1.0, 0.0, 0.0, 0.0);
  v.LoadDefaults("", qv::DesignCode::kEc5Env);
  EXPECT_EQ(v.Count(), 1);
}

TEST_F(TempFolder, FileSetIsUsedWhenItReadsWhole) {
  Write("KTjaKY2.dat", {"[ ==== 301 ==== ]", "Oma;0", "Sää;2", "[ ==== 401 ==== ]", "KY1;0;0;1;1,5",
                        "KY1;0;1;0;0.000", "KY1;0;0;0;1.1", "KY2;1;2;0;-4.000"});
  KuormaVektori v;
  EXPECT_EQ(v.LoadDefaults(Folder(), qv::DesignCode::kLimitState), 0);
  ASSERT_EQ(v.Cases().Count(), 2);
  EXPECT_EQ(v.Cases().Name(1), "Sää");
  const auto& ky = v.Combinations();
  EXPECT_EQ(ky.CombinationCount(), 2);
  EXPECT_TRUE(ky.IsHeader(0));  // put in order while read
  EXPECT_DOUBLE_EQ(ky.Factor(0, 0), 1.1);
  EXPECT_DOUBLE_EQ(ky.Factor(0, 1), 1.5);
  EXPECT_DOUBLE_EQ(ky.OwnDeflectionLimit(1), 4.0);
  EXPECT_EQ(ky.CurrentIndex, 0);
}

TEST_F(TempFolder, BrokenOrMissingFileGivesTheWholeBuiltInSet) {
  const std::vector<std::string> good301 = {"[ ==== 301 ==== ]", "Oma;0", "Toinen;1"};
  const std::vector<std::vector<std::string>> broken401 = {
      {"[ ==== 401 ==== ]", "KY1;0;1;0;0.000", "KY1;0;0;x;1.0"},  // bad number
      {"[ ==== 401 ==== ]", "KY1;0;1;0;0.000", "KY1;0;;0;1.0"},   // empty field
      {"[ ==== 401 ==== ]"},                                      // empty section
      {},                                                         // no section
      {"[ ==== 401 ==== ]", "KY1;0;0;0;1.0"},                     // no header at all
      {"[ ==== 401 ==== ]", "KY1;0;1;0;0.000", "KY1;0;0;2;1.0"},  // case 2 does not exist
      {"[ ==== 401 ==== ]", "KY1;0;4;0;0.000"},                   // no such design kind
  };
  for (std::size_t n = 0; n < broken401.size(); ++n) {
    SCOPED_TRACE(n);
    std::vector<std::string> lines = good301;
    lines.insert(lines.end(), broken401[n].begin(), broken401[n].end());
    Write("KTjaKY3.dat", lines);
    KuormaVektori v;
    v.Combinations().CurrentIndex = 5;
    EXPECT_EQ(v.LoadDefaults(Folder(), qv::DesignCode::kEc5Env), 1);
    ExpectDefaultSet(v, 3);
    EXPECT_EQ(v.Combinations().CurrentIndex, -1);
  }

  const std::vector<std::vector<std::string>> broken301 = {
      {"[ ==== 301 ==== ]", "[ ==== 401 ==== ]", "KY1;0;1;0;0.000"},
      {"[ ==== 301 ==== ]", "Oma", "[ ==== 401 ==== ]", "KY1;0;1;0;0.000"},
      {"[ ==== 301 ==== ]", "Oma;-1", "[ ==== 401 ==== ]", "KY1;0;1;0;0.000"},
      {"Oma;0", "KY1;0;1;0;0.000"},
  };
  for (std::size_t n = 0; n < broken301.size(); ++n) {
    SCOPED_TRACE(100 + n);
    Write("KTjaKY1.dat", broken301[n]);
    KuormaVektori v;
    EXPECT_EQ(v.LoadDefaults(Folder(), qv::DesignCode::kAllowableStress), 1);
    ExpectDefaultSet(v, 1);
  }

  KuormaVektori v;
  EXPECT_EQ(v.LoadDefaults(Folder(), qv::DesignCode::kLimitState), 1);  // no KTjaKY2.dat here
  ExpectDefaultSet(v, 2);
}

TEST_F(TempFolder, WrittenSetReadsBack) {
  KuormaVektori v;
  v.LoadDefaults("", qv::DesignCode::kEc5Env);
  CSVTiedosto file;
  qv::WriteLoadSet(v.Cases(), v.Combinations(), file);
  ASSERT_EQ(file.Save(Folder() + "KTjaKY3.dat"), 0);
  EXPECT_EQ(file.GetLine(301, 4), "Lumi 80%;2");
  EXPECT_EQ(file.GetLine(401, 1), "KY1;0;1;0;0.000");
  KuormaVektori w;
  EXPECT_EQ(w.LoadDefaults(Folder(), qv::DesignCode::kEc5Env), 0);
  ExpectDefaultSet(w, 3);
}

}  // namespace
