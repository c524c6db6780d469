// Tests of the load block of the report against the exact texts: cases, loads per kind,
// combinations as formulas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LoadTestProject.h"
#include "pagelogic/LoadReport.h"

namespace {

using KV = KuormaVektori;
using KY = KuormaYhdVektori;
using Lines = std::vector<std::string>;

const std::string kRule = "====================================";
const std::string kThin = "------------------------------------";

class LoadReportTest : public loadtest::LoadProjectTest {};

TEST_F(LoadReportTest, CasesLoadsAndDefaultCombinations) {
  loads().AddLoad("Lumi", 2, KV::kSurface, 2, KV::kPerHorizontal, 0.002, 0.002, 0.0, 6000.0);
  loads().AddLoad("P1", 0, KV::kPoint, 2, 1, -1000.0, 0.0, 1500.0, 0.0);
  loads().AddLoad("Hyöty", 1, KV::kLine, 2, 1, -2.0, -3.0, -1.0, -1.0);
  loads().AddLoad("", 0, KV::kPoint, -6, 1, 1500000.0, 0.0, 3000.0, 0.0);
  loads().AddLoad("Mom", 2, KV::kLine, -4, 1, 1500.0, 0.0, 1000.0, 2000.0);
  loads().VisibleCase = 1;  // the report shows every case whatever the page shows
  const Lines want = {
      kRule,
      "KUORMITUSTIEDOT:",
      kThin,
      "KT1:\tOmapaino (Pysyvä):",
      "PISTEKUORMAT: (2 kpl)",
      "Nro:\tSuunta:\tSuuruus:\tx [mm]:",
      "1:\tFY\t-1.00 kN\t1500.0\tP1",
      "2:\tMz\t1.500 kNm\t3000.0\t ",  // 1 500 000 Nmm
      kThin,
      "KT2:\tHyötykuorma (Pitkäaikainen):",
      "VIIVAKUORMAT: (1 kpl)",
      "Nro:\tSuunta:\tQ1:\tQ2:\tx1 [mm]:\tx2 [mm]:",
      "1:\tFY\t-2.000 kN/m\t-3.000 kN/m\t0.0\t6000.0\tHyöty",  // negative ends: 0 and L
      kThin,
      "KT3:\tLumikuorma (Pitkäaikainen):",
      "VIIVAKUORMAT: (1 kpl)",
      "Nro:\tSuunta:\tQ1:\tQ2:\tx1 [mm]:\tx2 [mm]:",
      "1:\tMx\t1.500 kNm/m\t0.000 kNm/m\t1000.0\t2000.0\tMom",
      "PINTAKUORMAT: (1 kpl)",
      "Nro:\tSuunta:\tQ1:\tQ2:\tx1 [mm]:\tx2 [mm]:",
      "1:\tFY\t2.000 kN/m2\t2.000 kN/m2\t0.0\t6000.0\tLumi",
      kThin,
      "KT4:\tTuulikuorma (Lyhytaikainen):",
      "(Ei kuormitusta)",
      kRule,
      "KUORMITUSYHDISTELMÄT:",
      kThin,
      "KY1 (Jännitystarkastelu):",
      "1.20*Omapaino + 1.60*Hyötykuorma + 1.60*Lumikuorma + 0.80*Tuulikuorma",
      kThin,
      "KY2 (Jännitystarkastelu):",
      "1.20*Omapaino + 1.60*Hyötykuorma + 0.80*Lumikuorma + 1.60*Tuulikuorma",
      kThin,
      "KY3 (Siirtymätarkastelu):",
      "1.00*Omapaino + 1.00*Hyötykuorma + 1.00*Lumikuorma + 0.50*Tuulikuorma",
      kThin,
      "KY4 (Siirtymätarkastelu):",
      "1.00*Omapaino + 1.00*Hyötykuorma + 0.50*Lumikuorma + 1.00*Tuulikuorma"};
  EXPECT_EQ(qv::LoadReportLines(p()), want);
}

TEST_F(LoadReportTest, FormulaSignsAndEmptyCombination) {
  loads().Cases().ClearRecords();
  loads().Cases().AddCase("A", 0);
  loads().Cases().AddCase("B", 1);
  loads().Cases().AddCase("C", 1);
  KY& ky = loads().Combinations();
  ky.Clear();
  ky.AddHeader(0, KY::kNoDesign);
  ky.AddFactor(0, 0, -1.35);
  ky.AddFactor(0, 1, 1.5);
  ky.AddFactor(0, 2, -0.5);
  ky.AddHeader(1, KY::kDeflection, -12.0);
  const Lines want = {kRule,
                      "KUORMITUSTIEDOT:",
                      kThin,
                      "KT1:\tA (Pysyvä):",
                      "(Ei kuormitusta)",
                      kThin,
                      "KT2:\tB (Pitkäaikainen):",
                      "(Ei kuormitusta)",
                      kThin,
                      "KT3:\tC (Pitkäaikainen):",
                      "(Ei kuormitusta)",
                      kRule,
                      "KUORMITUSYHDISTELMÄT:",
                      kThin,
                      "KY1 (Ei mitoitusta):",
                      "-1.35*A + 1.50*B - 0.50*C",
                      kThin,
                      "KY2 (Siirtymätarkastelu):",
                      "(Yhdistelmä ei sisällä yhtään kuormitustapausta!)"};
  EXPECT_EQ(qv::LoadReportLines(p()), want);
}

TEST_F(LoadReportTest, NoCasesNoCombinations) {
  loads().Cases().ClearRecords();
  loads().Combinations().Clear();
  EXPECT_EQ(qv::LoadReportLines(p()),
            (Lines{kRule, "KUORMITUSTIEDOT:", kRule, "KUORMITUSYHDISTELMÄT:"}));
}

}  // namespace
