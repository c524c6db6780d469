// The floor vibration settings page: texts shown, ranges checked, values stored.
#include "pagelogic/VibrationSettingsPage.h"

#include "model/NumberText.h"

namespace mitoitusasetukset {

namespace {

const VibrationFieldText kTexts[kVibrationFieldCount] = {
    {"Lattian leveys B:", "m", "palkkeja vastaan kohtisuoraan"},
    {"Poikittainen jäykkyys (EI)_B:", "Nm²/m",
     "levytyksen, jäykisteiden ja ripalaudoituksen jäykkyyksien summa"},
    {"Massa m:", "kg/m²",
     "\"johdettu\" = pysyvät kuormat / palkkijako / g + 30 kg/m² hyötykuormaa"},
    {"Vaimennussuhde ζ:", "",
     "oletus 0,01 (EN 1995-1-1); TARKISTA: kansallista arvoa ei vahvistettu"},
    {"Nopeusrajan kantaluku b_v:", "",
     "oletus 150 (EN 1995-1-1); TARKISTA: kansallisen liitteen vaatimusta ei vahvistettu"},
    {"Sallittu taipuma 1 kN:n pistekuormasta a:", "mm",
     "oletus 0,5 mm; TARKISTA: kansallisen liitteen voimassa olevaa arvoa ei vahvistettu"},
    {"Ominaistaajuuden alaraja:", "Hz", "alle rajan lattia vaatii erillisen tarkastelun"},
};

const FloorVibrationRange kRanges[kVibrationFieldCount] = {
    kFloorWidthRange,   kTransverseStiffnessRange, kFloorMassRange,     kDampingRange,
    kVelocityBaseRange, kVibrationDeflectionRange, kFrequencyLimitRange};

}  // namespace

const VibrationFieldText* VibrationFieldTexts() { return kTexts; }

VarahtelySivu ShowVibrationPage(const FloorVibrationSettings& s) {
  VarahtelySivu p;
  p.LattianLeveys = qv::FormatFixed(s.floorWidth, 3);
  p.PoikkiJaykkyys = qv::FormatFixed(s.transverseStiffness, 1);
  p.Massa = s.mass > 0.0 ? qv::FormatFixed(s.mass, 1) : kDerivedMass;
  p.Vaimennus = qv::FormatFixed(s.damping, 4);
  p.NopeusKanta = qv::FormatFixed(s.velocityBase, 1);
  p.Taipumaraja = qv::FormatFixed(s.deflectionLimit, 3);
  p.Taajuusraja = qv::FormatFixed(s.frequencyLimit, 2);
  return p;
}

std::string StoreVibrationPage(const VarahtelySivu& page, FloorVibrationSettings& settings) {
  const std::string* texts[kVibrationFieldCount] = {
      &page.LattianLeveys, &page.PoikkiJaykkyys, &page.Massa,      &page.Vaimennus,
      &page.NopeusKanta,   &page.Taipumaraja,    &page.Taajuusraja};
  double values[kVibrationFieldCount] = {};
  for (int i = 0; i < kVibrationFieldCount; ++i) {
    const std::string& text = *texts[i];
    if (i == 2 && (text.empty() || text == kDerivedMass)) {
      values[i] = 0.0;
      continue;
    }
    if (qv::ParseNumber(text, kRanges[i].min, kRanges[i].max, values[i]) != 0)
      return qv::RangeText(kTexts[i].label, kRanges[i].min, kRanges[i].max);
  }
  settings.floorWidth = values[0];
  settings.transverseStiffness = values[1];
  settings.mass = values[2];
  settings.damping = values[3];
  settings.velocityBase = values[4];
  settings.deflectionLimit = values[5];
  settings.frequencyLimit = values[6];
  return std::string();
}

}  // namespace mitoitusasetukset
