// The sweep over every section of the library: lightest first, the lightest passing one
// marked, whatever the order of the library file; a section not checked never passes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "design/DesignTestProject.h"
#include "design/SectionSearch.h"
#include "design/SectionSweep.h"

namespace {

using designtest::kF1;
using designtest::kL;

struct Section {
  std::string name;
  double b, h;
};

void SetLibrary(QELVUX_data& p, const std::vector<Section>& sections, int current) {
  p.Profiles.ClearRecords();
  for (const Section& s : sections)
    p.Profiles.AddSection(s.name, qv::SectionShape::kRectangle, s.b, s.h);
  p.Profiles.CurrentIndex = current;
}

}  // namespace

// Code 2 beam, q = 1.0 N/mm over 6000 mm, stresses only: M = qL²/8 = 4.5e6 Nmm against
// fm = 18 * 0.60 / 1.3 = 8.31 MPa, so W >= 541 667 mm³. The library keeps its sections by
// width, so its order is not their weight order:
//   50*200  A 10 000, W 333 333: 162.5 %      50*300  A 15 000, W 750 000:  72.2 %
//   60*240  A 14 400, W 576 000:  94.0 %      75*250  A 18 750, W 781 250:  69.3 %
// The lightest passing is 60*240; searching on from 50*200 stops at 50*300, the next in the file.
TEST(SectionSweep, LightestPassingWhateverTheFileOrder) {
  QELVUX_data p(designtest::ProgramPath());
  designtest::MakeBeam(p, 1.0);
  p.Settings.Siirtyma = 0;
  SetLibrary(
      p, {{"60*240", 60, 240}, {"75*250", 75, 250}, {"50*300", 50, 300}, {"50*200", 50, 200}}, 0);
  ASSERT_EQ(p.Profiles.Name(0), "50*200");
  ASSERT_EQ(p.Profiles.Name(1), "50*300");
  const double m = 1.0 * kL * kL / 8.0;
  auto util = [&](double b, double h) { return m / (b * h * h / 6.0) / kF1 * 100.0; };

  const qv::SectionSweep sweep = qv::SweepSections(p);
  EXPECT_EQ(sweep.analysisStatus, 0);
  EXPECT_FALSE(sweep.byMass);  // code 2's table gives no density
  const struct {
    const char* name;
    double b, h;
    bool passes;
  } expected[] = {{"50*200", 50, 200, false},
                  {"60*240", 60, 240, true},
                  {"50*300", 50, 300, true},
                  {"75*250", 75, 250, true}};
  ASSERT_EQ(sweep.rows.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    const auto& e = expected[i];
    const qv::SweepRow& r = sweep.rows[i];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(r.name, e.name);
    EXPECT_DOUBLE_EQ(r.area, e.b * e.h);
    EXPECT_FALSE(r.massPerMetre.has_value());
    EXPECT_NEAR(r.utilisation, util(e.b, e.h), 0.05);
    EXPECT_EQ(r.governingCheck, "Taivutus");
    EXPECT_EQ(r.governingCombination,
              p.Loads.Combinations().TextOr(p.Loads.Combinations().HeaderRow(0), 0, " "));
    EXPECT_TRUE(r.allChecksRan);
    EXPECT_EQ(r.Passes(), e.passes);
    EXPECT_EQ(r.lightestPassing, i == 1);
  }
  EXPECT_EQ(sweep.lightest, 1);
  EXPECT_EQ(p.Profiles.CurrentIndex, 0);  // the chosen section is left as it was

  // The search still walks the file: from 50*200 the next passing one is 50*300.
  const qv::SectionSearchResult s = qv::SearchNextSection(p);
  EXPECT_EQ(p.Profiles.Name(s.found), "50*300");

  // Choosing the lightest makes it the project's section.
  ASSERT_EQ(qv::ChooseSweepRow(p, sweep.rows[1]), 0);
  EXPECT_EQ(p.Profiles.Name(p.Profiles.CurrentIndex), "60*240");

  // Ten times the load: none passes; the least used, 75*250 at 693 %, is named with its check.
  designtest::MakeBeam(p, 10.0);
  p.Settings.Siirtyma = 0;
  SetLibrary(p, {{"60*240", 60, 240}, {"75*250", 75, 250}, {"50*300", 50, 300}}, 0);
  const std::string text = qv::NoPassingSectionText(qv::SweepSections(p));
  EXPECT_NE(text.find("75*250 (" + std::to_string(static_cast<int>(10 * util(75, 250) + 0.5)) +
                      " %); määräävä tarkastelu: Taivutus"),
            std::string::npos)
      << text;
}

// Code 4 lists by mass per metre from the table's mean density (EN 338:2016: C14 350 kg/m³,
// C24 420 kg/m³): A * rho.
TEST(SectionSweep, MassPerMetreFromTheMeanDensity) {
  const struct {
    int material;  // line of the table's material list
    double b, h, mass;
  } cases[] = {{1, 50, 225, 350.0 * 0.050 * 0.225}, {6, 63, 200, 420.0 * 0.063 * 0.200}};
  for (const auto& c : cases) {
    QELVUX_data p(designtest::ProgramPath());
    p.DesignCode = qv::DesignCode::kEc5;
    p.Member.Reset();
    p.LoadDefaultLoads();
    p.Loads.ClearLoads();
    p.Loads.AddLoad("g", 0, KuormaVektori::kLine, 2, 1, -0.3, -0.3, 0.0, p.Member.Length);
    ASSERT_EQ("", p.RegenerateEc5Combinations());
    SetLibrary(p, {{"s", c.b, c.h}}, 0);
    p.Materials.SetMaterial(qv::DesignCode::kEc5, c.material);
    const qv::SectionSweep sweep = qv::SweepSections(p);
    ASSERT_EQ(sweep.rows.size(), 1u);
    EXPECT_TRUE(sweep.byMass);
    ASSERT_TRUE(sweep.rows[0].massPerMetre.has_value());
    EXPECT_NEAR(*sweep.rows[0].massPerMetre, c.mass, 1e-9);
  }
}

// Whatever keeps the checks from running, no section passes, and the message says so rather
// than naming a governing check of no meaning.
TEST(SectionSweep, SectionsWhoseChecksCannotRunNeverPass) {
  const struct {
    const char* what;
    std::function<void(QELVUX_data&)> spoil;
  } cases[] = {
      {"no supports: the analysis fails", [](QELVUX_data& p) { p.Member.ClearRecords(); }},
      {"every check switched off",
       [](QELVUX_data& p) { p.Settings.SetCheckGroups(false, false, false, false); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QELVUX_data p(designtest::ProgramPath());
    designtest::MakeBeam(p, 0.1);  // light enough for every section below
    SetLibrary(p, {{"100*200", 100, 200}, {"200*400", 200, 400}}, 0);
    c.spoil(p);
    const qv::SectionSweep sweep = qv::SweepSections(p);
    ASSERT_EQ(sweep.rows.size(), 2u);
    for (const qv::SweepRow& r : sweep.rows) {
      EXPECT_FALSE(r.allChecksRan);
      EXPECT_FALSE(r.Passes());
      EXPECT_STREQ(qv::SweepVerdictText(r), qv::kSweepNotCheckedText);
    }
    EXPECT_EQ(sweep.lightest, -1);
    EXPECT_NE(qv::NoPassingSectionText(sweep).find("Yhdenkään poikkileikkauksen"),
              std::string::npos);
  }
}
