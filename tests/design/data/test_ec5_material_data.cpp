// The shipped Eurocode 5 material table: complete, read by the material table reader and by the
// reader of its extra sections, equal to EN 338:2016 / EN 14080:2013 in spot checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "design/data/Ec5MaterialData.h"
#include "design/data/MateriaaliTiedot.h"

namespace {

namespace fs = std::filesystem;
const std::string kFile = std::string(QELVUX_SOURCE_DATA_DIR) + "/Eurokoodi5.dat";

TEST(Ec5MaterialTable, ReadsBackWithEveryValue) {
  // The code 3 table has the same sections: every material and service class passes its
  // completeness check (quantities 1 to 9, kmod and kdef of every duration class).
  const fs::path dir = fs::temp_directory_path() / "qelvux_ec5_table";
  fs::create_directories(dir);
  fs::copy_file(kFile, dir / "Eurocode.dat", fs::copy_options::overwrite_existing);
  MateriaaliTiedot m;
  ASSERT_EQ(1, m.LoadTables(dir.string()));
  fs::remove_all(dir);
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

  // EN 338:2016 Table 1 (C24) and EN 14080:2013 (GL28c): fm,k, fc,0,k, fc,90,k, ft,0,k, fv,k,
  // E0,05, E0,mean, fm,k (My), fv,k (Vz); Gmean, rho_k, rho_mean.
  struct Spot {
    int material, type;
    double q[9], g, rhoK, rhoMean;
  } spots[] = {{6, 1, {24, 21, 2.5, 14.5, 4.0, 7400, 11000, 24, 4.0}, 690, 350, 420},
               {17, 2, {28, 24, 2.5, 19.5, 3.5, 10400, 12500, 28, 3.5}, 650, 390, 420}};
  for (const Spot& s : spots) {
    EXPECT_EQ(s.type, m.MaterialTypeOf(code, s.material));
    for (int q = 1; q <= 9; ++q) {
      EXPECT_DOUBLE_EQ(s.q[q - 1],
                       m.TableValue(q, code, s.material, 1, 1, MateriaaliTiedot::kCharacteristic))
          << s.material << " q" << q;
    }
    const qv::Ec5MaterialValues& v = extra.materials[static_cast<std::size_t>(s.material) - 1];
    EXPECT_EQ(std::vector<double>({s.g, s.rhoK, s.rhoMean}),
              std::vector<double>({v.shearModulus, v.characteristicDensity, v.meanDensity}));
  }
  // kmod and kdef (EN 1995-1-1 Tables 3.1 and 3.2): C24 short-term, service class 3, gamma_M
  // 1.3 of the code 3 reader; kdef 2.0 in service class 3 for every duration class.
  EXPECT_DOUBLE_EQ(24 * 0.7 / 1.3, m.TableValue(1, code, 6, 4, 3, MateriaaliTiedot::kDesign));
  for (int d = 1; d <= 5; ++d)
    EXPECT_DOUBLE_EQ(2.0, m.CreepFactor(qv::DesignCode::kEc5Env, 12, d, 3)) << d;
  // Per family: gamma_M (Finnish annex), kh rule, beta_c, kcr, km rectangle and circle.
  ASSERT_EQ(2u, extra.families.size());
  const double family[2][8] = {{1.4, 150, 0.2, 1.3, 0.2, 0.67, 0.7, 1.0},
                               {1.2, 600, 0.1, 1.1, 0.1, 0.67, 0.7, 1.0}};
  for (int t = 0; t < 2; ++t) {
    const qv::Ec5FamilyValues& f = extra.families[static_cast<std::size_t>(t)];
    EXPECT_EQ(std::vector<double>(family[t], family[t] + 8),
              std::vector<double>({f.gammaM, f.kh.referenceSize, f.kh.exponent, f.kh.cap, f.betaC,
                                   f.kcr, f.kmRectangle, f.kmCircle}));
  }
  EXPECT_EQ(&extra.families[1], extra.FamilyOf(18));  // GL32c
  EXPECT_EQ(nullptr, extra.FamilyOf(19));

  // A bad line is named with its section and line.
  std::vector<std::string> lines;
  t.GiveLines(lines);
  for (std::size_t k = 0; k + 2 < lines.size(); ++k) {
    if (lines[k] == CSVTiedosto::HeaderLine(72)) lines[k + 2] = "600;x;1.1";
  }
  t.TakeLines(lines);
  EXPECT_EQ("Eurokoodi5.dat, osa 72, rivi 2: rivi ei ole luettavissa",
            qv::ReadEc5ExtraData(t, extra));
}

}  // namespace
