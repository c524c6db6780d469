// The floor vibration check of design code 4 on the project's member, section and loads.
#include "design/FloorVibrationDesign.h"

#include <algorithm>
#include <cmath>

#include "analysis/MemberResults.h"
#include "design/CheckStresses.h"
#include "design/Deflections.h"
#include "model/NumberText.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

constexpr double kMmToM = 0.001;

// I about the bending axis of Mz (h along local y), mm⁴.
double SecondMoment(const SectionSize& s) {
  if (!s.IsValid()) return 0.0;
  if (s.shape == SectionShape::kCircle) return 3.14159265358979323846 * std::pow(s.b, 4) / 64.0;
  return s.b * std::pow(s.h, 3) / 12.0;
}

// Sum of the vertical reactions of the permanent load cases, N; false when the analysis
// gives none.
bool PermanentLoad(const QELVUX_data& project, double& total) {
  total = 0.0;
  QELvektori reactions;
  for (int k = 0; k < project.Loads.Cases().Count(); ++k) {
    if (project.Loads.CaseCategory(k) != LoadCategory::kPermanent) continue;
    if (SupportReactions(project, -1, k, reactions) == 0) return false;
    for (int s = 0; s < reactions.Count(); ++s) total += reactions.GetReal(s, 1);
  }
  return true;
}

}  // namespace

double FloorVibrationDesign::Largest() const {
  double u = 0.0;
  for (const FloorVibrationSpan& s : spans)
    if (!s.cantilever) u = std::max(u, s.result.Largest());
  return u;
}

double DerivedFloorMass(double permanentLoadPerMetre, double spacing) {
  return permanentLoadPerMetre / spacing / kGravity + kVibrationImposedMass;
}

FloorVibrationDesign CheckProjectFloorVibration(const QELVUX_data& project) {
  FloorVibrationDesign d;
  const FloorVibrationSettings& set = project.Settings.ec5.vibration;
  if (project.AnalysisValid != 1) {
    d.notRun = "laskentamallia ei voitu ratkaista";
    return d;
  }
  if (!project.Profiles.HasCurrent()) {
    d.notRun = "poikkileikkausta ei ole valittu";
    return d;
  }
  const DesignCode code = DesignCode::kEc5;
  d.eMean = project.Materials.TableValue(
      DesignValues::kModulusDeflection, code, project.Materials.Material(code), 1,
      project.Materials.MoistureClass(code), MateriaaliTiedot::kCharacteristic);
  d.inertia = SecondMoment(project.CurrentSection());
  const double spacing = project.Member.LoadWidth * kMmToM;
  if (!(d.eMean > 0.0) || !(d.inertia > 0.0)) {
    d.notRun = "materiaalin laskenta-arvo puuttuu";
    return d;
  }
  if (!(spacing > 0.0)) {
    d.notRun = "pintakuormien kerääntymisleveys (palkkijako) on 0";
    return d;
  }
  d.massDerived = !(set.mass > 0.0);
  if (d.massDerived) {
    double total = 0.0;
    if (!PermanentLoad(project, total)) {
      d.notRun = "laskentamallia ei voitu ratkaista";
      return d;
    }
    const double perMetre = total / (project.Member.Length * kMmToM);  // N/m
    d.permanentLoad = perMetre * 0.001;
    d.mass = DerivedFloorMass(perMetre, spacing);
  } else {
    d.mass = set.mass;
  }

  // (EI)_l in N·m²/m: E (N/mm²) · I (mm⁴) / s (mm) is N·mm²/mm = 0.001 N·m²/m.
  const double eiJoist = d.eMean * d.inertia / project.Member.LoadWidth * 0.001;
  const std::vector<double> bounds = SpanBoundaries(project.Member);
  for (std::size_t i = 0; i + 1 < bounds.size(); ++i) {
    FloorVibrationSpan s;
    s.span = static_cast<int>(i) + 1;
    s.x1 = bounds[i];
    s.x2 = bounds[i + 1];
    s.cantilever = IsCantileverSpan(project.Member, s.x1, s.x2);
    if (!s.cantilever) {
      ++d.supportedSpans;
      FloorVibrationInput& in = s.input;
      in.span = (s.x2 - s.x1) * kMmToM;
      in.spacing = spacing;
      in.eiJoist = eiJoist;
      in.eiTransverse = set.transverseStiffness;
      in.floorWidth = set.floorWidth;
      in.mass = d.mass;
      in.damping = set.damping;
      in.velocityBase = set.velocityBase;
      in.deflectionLimit = set.deflectionLimit;
      in.frequencyLimit = set.frequencyLimit;
      s.result = CheckFloorVibration(in);
    }
    d.spans.push_back(s);
  }
  d.ran = d.supportedSpans > 0;
  for (const FloorVibrationSpan& s : d.spans)
    if (!s.cantilever && !s.result.valid) d.ran = false;
  if (!d.ran)
    d.notRun =
        d.supportedSpans == 0 ? "ei kahden tuen välistä aukkoa" : "värähtelyn lähtötieto ei kelpaa";
  return d;
}

std::vector<std::string> FloorVibrationInputLines(const FloorVibrationDesign& d) {
  std::vector<std::string> lines;
  if (d.spans.empty() || d.supportedSpans == 0) return lines;
  const FloorVibrationInput* in = nullptr;
  for (const FloorVibrationSpan& s : d.spans)
    if (!s.cantilever) in = &s.input;
  lines.push_back("Palkkijako s:\t" + FormatFixed(in->spacing, 3) + " m");
  lines.push_back("Palkin jäykkyys (EI)_l = E0,mean·I/s:\t" + FormatFixed(in->eiJoist, 0) +
                  " Nm²/m (E0,mean = " + FormatFixed(d.eMean, 0) +
                  " MPa, I = " + FormatFixed(d.inertia * 1e-6, 2) + "·10^6 mm^4)");
  lines.push_back("Lattian leveys B:\t" + FormatFixed(in->floorWidth, 3) + " m");
  lines.push_back("Poikittainen jäykkyys (EI)_B:\t" + FormatFixed(in->eiTransverse, 1) + " Nm²/m");
  if (d.massDerived)
    lines.push_back("Massa m:\t" + FormatFixed(d.mass, 1) + " kg/m² (pysyvät kuormat " +
                    FormatFixed(d.permanentLoad, 3) + " kN/m / s / " + FormatFixed(kGravity, 2) +
                    " m/s² + " + FormatFixed(kVibrationImposedMass, 0) + " kg/m² hyötykuormaa)");
  else
    lines.push_back("Massa m:\t" + FormatFixed(d.mass, 1) + " kg/m² (annettu)");
  lines.push_back("Vaimennussuhde zeta:\t" + FormatFixed(in->damping, 4));
  lines.push_back("Nopeusrajan kantaluku b_v:\t" + FormatFixed(in->velocityBase, 1));
  lines.push_back("Sallittu taipuma 1 kN:n pistekuormasta a:\t" +
                  FormatFixed(in->deflectionLimit, 3) + " mm");
  lines.push_back("Ominaistaajuuden alaraja:\t" + FormatFixed(in->frequencyLimit, 2) + " Hz");
  if (d.supportedSpans > 1) lines.push_back(std::string("Huom: ") + kSeveralSpansNote);
  return lines;
}

}  // namespace qv
