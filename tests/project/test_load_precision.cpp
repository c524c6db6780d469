// Load values keep their digits through a save and a load: surface loads are held in N/mm2, far
// below the five decimals a load record is written with.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "model/NumberText.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

const std::string kProgram = std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux";

TEST(LoadPrecision, FixedWithSignificantDigitsKeepsShortFormsAsTheyWere) {
  // Values exact at five decimals are written exactly as before.
  EXPECT_EQ(qv::FormatFixedSignificant(-2000.0, 5, 10), "-2000.00000");
  EXPECT_EQ(qv::FormatFixedSignificant(-0.4, 5, 10), "-0.40000");
  EXPECT_EQ(qv::FormatFixedSignificant(0.0015, 5, 10), "0.00150");
  EXPECT_EQ(qv::FormatFixedSignificant(0.0, 5, 10), "0.00000");
  EXPECT_EQ(qv::FormatFixedSignificant(2.5e6, 5, 10), "2500000.00000");
  // Small values get the decimals they need, no trailing zeros past the fifth.
  EXPECT_EQ(qv::FormatFixedSignificant(0.734 * 0.001, 5, 10), "0.000734");
  EXPECT_EQ(qv::FormatFixedSignificant(-0.0000125, 5, 10), "-0.0000125");
  EXPECT_EQ(qv::FormatFixedSignificant(1.0 / 3.0, 5, 10), "0.3333333333");
  // Decimals stop at 17: a value below that is written as zero, as before.
  EXPECT_EQ(qv::FormatFixedSignificant(1e-300, 5, 10), "0.00000");  // at most 17 decimals
}

TEST(LoadPrecision, SurfaceLoadsSurviveSaveAndLoad) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "qelvux_test_load_precision";
  fs::create_directories(dir);
  const std::string file = (dir / "pinta.vux").string();

  QELVUX_data saved(kProgram);
  saved.Loads.AddLoad("Lumi", 0, KuormaVektori::kSurface, -2, KuormaVektori::kPerHorizontal,
                      -0.734 * 0.001, -1.2345 * 0.001, 0, 6000);
  saved.Loads.AddLoad("Tuuli", 0, KuormaVektori::kSurface, -3, KuormaVektori::kPerLength,
                      0.004 * 0.001, 0.004 * 0.001, 0, 6000);
  saved.Loads.AddLoad("P", 0, KuormaVektori::kPoint, -2, 0, -1500.0, 0, 3000, 0);
  ASSERT_EQ(qv::SaveProject(saved, file), 0);

  QELVUX_data loaded(kProgram);
  std::string message;
  ASSERT_EQ(qv::LoadProject(loaded, file, &message), 0) << message;
  ASSERT_EQ(loaded.Loads.Count(), saved.Loads.Count());
  for (int i = 0; i < saved.Loads.Count(); ++i) {
    for (int j = 0; j < 2; ++j) {
      const double want = saved.Loads.GetReal(i, j);
      // 0.734 kN/m2 came back as 0.73 and 0.004 kN/m2 as nothing with five decimals alone.
      EXPECT_NEAR(loaded.Loads.GetReal(i, j), want, std::abs(want) * 1e-9)
          << "load " << i << " value " << j;
    }
  }
  fs::remove_all(dir);
}

}  // namespace
