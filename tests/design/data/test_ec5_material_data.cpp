// The shipped Eurocode 5 material table: complete, equal to EN 338:2016 / EN 14080:2013 in spot
// checks, readable by the material table reader and by the reader of its extra sections.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "design/data/Ec5MaterialData.h"
#include "design/data/MateriaaliTiedot.h"
#include "model/FieldHelpers.h"

namespace {

namespace fs = std::filesystem;
const std::string kFile = std::string(QELVUX_SOURCE_DATA_DIR) + "/Eurokoodi5.dat";

std::vector<double> Fields(const CSVTiedosto& t, int section, int line, int count) {
  std::vector<int> layout(static_cast<std::size_t>(count) + 1, 2);
  layout[0] = count;
  qv::FieldBuffers f;
  EXPECT_EQ(0, qv::SplitFields(';', t.GetLine(section, line), layout, f.texts, f.reals, f.ints))
      << section;
  return f.reals;
}

TEST(Ec5MaterialTable, EveryMaterialHasEveryValue) {
  CSVTiedosto t;
  ASSERT_TRUE(t.LoadFromFile(kFile)) << t.LoadError();
  ASSERT_EQ(19, t.LineCount(21));
  ASSERT_EQ(19, t.LineCount(22));
  for (int s : {31, 32, 33, 34, 35, 36, 37, 38, 39, 61, 62, 63}) {
    const std::vector<double> v = Fields(t, s, 1, 19);
    ASSERT_EQ(19u, v.size()) << s;
    for (double x : v) EXPECT_GT(x, 0.0) << s;
  }
  // Weak-axis values equal the strong-axis ones.
  EXPECT_EQ(Fields(t, 31, 1, 19), Fields(t, 38, 1, 19));
  EXPECT_EQ(Fields(t, 35, 1, 19), Fields(t, 39, 1, 19));
  // kmod (EN 1995-1-1 Table 3.1) and kdef (Table 3.2, the same for every duration class).
  const double kmod[5][3] = {
      {0.6, 0.6, 0.5}, {0.7, 0.7, 0.55}, {0.8, 0.8, 0.65}, {0.9, 0.9, 0.7}, {1.1, 1.1, 0.9}};
  for (int s : {41, 42, 51, 52}) {
    ASSERT_EQ(5, t.LineCount(s)) << s;
    for (int d = 1; d <= 5; ++d) {
      const std::vector<double> v = Fields(t, s, d, 3);
      const std::vector<double> expected = s < 50
                                               ? std::vector<double>(kmod[d - 1], kmod[d - 1] + 3)
                                               : std::vector<double>{0.6, 0.8, 2.0};
      EXPECT_EQ(expected, v) << s << " " << d;
    }
  }
}

// Values of C24 and GL28c as the strength class tables give them, through the material table
// reader (the file in the place of the code 3 table, which has the same sections) and through
// the extra sections.
TEST(Ec5MaterialTable, SpotChecksThroughBothReaders) {
  const fs::path dir = fs::temp_directory_path() / "qelvux_ec5_table";
  fs::create_directories(dir);
  fs::copy_file(kFile, dir / "Eurocode.dat", fs::copy_options::overwrite_existing);
  MateriaaliTiedot m;
  ASSERT_EQ(1, m.LoadTables(dir.string()));
  const auto code = qv::DesignCode::kEc5Env;
  const std::vector<std::string> names = m.MaterialNames(code);
  ASSERT_EQ(19u, names.size());
  for (int i = 1; i <= 19; ++i) {
    m.SetMaterial(code, i);
    for (int sc = 1; sc <= 3; ++sc) {
      m.SetMoistureClass(code, sc);
      EXPECT_EQ("", m.SelectionProblem(code)) << names[i - 1];
    }
  }
  CSVTiedosto t;
  ASSERT_TRUE(t.LoadFromFile(kFile));
  qv::Ec5ExtraData extra;
  ASSERT_EQ("", qv::ReadEc5ExtraData(t, extra));
  fs::remove_all(dir);

  struct Spot {
    const char* name;
    int type;
    // fm,k, fc,0,k, fc,90,k, ft,0,k, fv,k, E0,05, E0,mean (quantities 1 to 7)
    double q[7];
    double g, rhoK, rhoMean;
  } spots[] = {
      {"C24", 1, {24, 21, 2.5, 14.5, 4.0, 7400, 11000}, 690, 350, 420},
      {"GL28c", 2, {28, 24, 2.5, 19.5, 3.5, 10400, 12500}, 650, 390, 420},
  };
  for (const Spot& s : spots) {
    int i = 0;
    while (i < 19 && names[static_cast<std::size_t>(i)] != s.name) ++i;
    ASSERT_LT(i, 19) << s.name;
    EXPECT_EQ(s.type, m.MaterialTypeOf(code, i + 1));
    for (int q = 1; q <= 7; ++q) {
      EXPECT_DOUBLE_EQ(s.q[q - 1],
                       m.TableValue(q, code, i + 1, 1, 1, MateriaaliTiedot::kCharacteristic))
          << s.name << " q" << q;
    }
    const qv::Ec5MaterialValues& v = extra.materials[static_cast<std::size_t>(i)];
    EXPECT_EQ(s.name, v.name);
    EXPECT_EQ(s.type, v.type);
    EXPECT_DOUBLE_EQ(s.g, v.shearModulus);
    EXPECT_DOUBLE_EQ(s.rhoK, v.characteristicDensity);
    EXPECT_DOUBLE_EQ(s.rhoMean, v.meanDensity);
  }
  // Family values: gamma_M of the Finnish annex, kh, beta_c, kcr and km of EN 1995-1-1.
  ASSERT_EQ(2u, extra.families.size());
  const qv::Ec5FamilyValues& sawn = extra.families[0];
  const qv::Ec5FamilyValues& glulam = extra.families[1];
  EXPECT_DOUBLE_EQ(1.4, sawn.gammaM);
  EXPECT_DOUBLE_EQ(1.2, glulam.gammaM);
  EXPECT_DOUBLE_EQ(150, sawn.kh.referenceSize);
  EXPECT_DOUBLE_EQ(0.2, sawn.kh.exponent);
  EXPECT_DOUBLE_EQ(1.3, sawn.kh.cap);
  EXPECT_DOUBLE_EQ(600, glulam.kh.referenceSize);
  EXPECT_DOUBLE_EQ(0.1, glulam.kh.exponent);
  EXPECT_DOUBLE_EQ(1.1, glulam.kh.cap);
  EXPECT_DOUBLE_EQ(0.2, sawn.betaC);
  EXPECT_DOUBLE_EQ(0.1, glulam.betaC);
  for (const auto* f : {&sawn, &glulam}) {
    EXPECT_DOUBLE_EQ(0.67, f->kcr);
    EXPECT_DOUBLE_EQ(0.7, f->kmRectangle);
    EXPECT_DOUBLE_EQ(1.0, f->kmCircle);
  }
  EXPECT_EQ(&glulam, extra.FamilyOf(18));
  EXPECT_EQ(nullptr, extra.FamilyOf(19));
}

TEST(Ec5MaterialTable, BadOrMissingLineIsReported) {
  CSVTiedosto good;
  ASSERT_TRUE(good.LoadFromFile(kFile));
  std::vector<std::string> lines;
  good.GiveLines(lines);
  auto without = [&](const std::string& header, const std::string& replacement) {
    std::vector<std::string> copy = lines;
    for (std::size_t k = 0; k + 2 < copy.size(); ++k) {
      if (copy[k] == header) copy[k + 2] = replacement;  // the second line of the section
    }
    CSVTiedosto t;
    t.TakeLines(copy);
    qv::Ec5ExtraData d;
    return qv::ReadEc5ExtraData(t, d);
  };
  EXPECT_EQ("Eurokoodi5.dat, osa 72, rivi 2: rivi ei ole luettavissa",
            without(CSVTiedosto::HeaderLine(72), "600;x;1.1"));
  EXPECT_EQ("Eurokoodi5.dat, osa 71, rivi 2: arvon on oltava suurempi kuin 0",
            without(CSVTiedosto::HeaderLine(71), "0"));
  EXPECT_EQ("Eurokoodi5.dat, osa 75, rivi 2: rivi puuttuu",
            without(CSVTiedosto::HeaderLine(75), CSVTiedosto::HeaderLine(76)));
}

}  // namespace
