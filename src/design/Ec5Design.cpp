// The Eurocode 5 checks of one combination fed from the project record and its analysis results.
#include "design/Ec5Design.h"

#include "analysis/MemberResults.h"
#include "design/CheckStresses.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

// Characteristic value q of the code-4 material, without kh.
double Characteristic(const QELVUX_data& p, int q, int duration) {
  const DesignCode code = DesignCode::kEc5;
  return p.Materials.TableValue(q, code, p.Materials.Material(code), duration,
                                p.Materials.MoistureClass(code), MateriaaliTiedot::kCharacteristic);
}

LoadPosition PositionOf(int setting) {
  switch (setting) {
    case 0:
      return LoadPosition::kAxis;
    case 2:
      return LoadPosition::kTensionEdge;
    default:
      return LoadPosition::kCompressionEdge;
  }
}

}  // namespace

bool Ec5CheckInputOf(const QELVUX_data& project, int c, QELvektori& forces, Ec5CheckInput& in) {
  const KuormaVektori& loads = project.Loads;
  if (c < 0 || c >= loads.Combinations().CombinationCount()) return false;
  if (!project.Profiles.HasCurrent() || project.AnalysisValid != 1) return false;
  const DesignCode code = DesignCode::kEc5;
  const int material = project.Materials.Material(code);
  const Ec5FamilyValues* family =
      material >= 1 ? project.Materials.Ec5Extra().FamilyOf(static_cast<std::size_t>(material) - 1)
                    : nullptr;
  if (!family) return false;
  const int duration = loads.GoverningDurationClass(c, -1);
  const double kmod = project.Materials.Kmod(code, duration);
  if (!(kmod > 0.0)) return false;

  in.section = project.CurrentSection();
  Ec5CharacteristicStrengths k;
  k.fmk = Characteristic(project, DesignValues::kBendingZ, duration);
  k.ft0k = Characteristic(project, DesignValues::kTension, duration);
  k.fc0k = Characteristic(project, DesignValues::kCompression, duration);
  k.fc90k = Characteristic(project, DesignValues::kCompressionPerp, duration);
  k.fvk = Characteristic(project, DesignValues::kShearY, duration);
  in.strengths = Ec5DesignStrengths(k, kmod, *family, in.section);
  in.material.fmk = k.fmk;
  in.material.fc0k = k.fc0k;
  in.material.e005 = Characteristic(project, DesignValues::kModulusStrength, duration);
  in.family = *family;
  const Ec5NaSettings& s = project.Settings.ec5;
  in.stability =
      Ec5StabilityFromSettings(project.Settings, s.ltbFactor, PositionOf(s.loadPosition));
  in.spanBounds = SpanBoundaries(project.Member);
  if (MemberForces(project, c, -1, forces) == 0) return false;
  in.forces = &forces;
  return true;
}

std::vector<bool> EndSupports(const RakenneVektori& member) {
  constexpr double kEndTolerance = 0.1;
  std::vector<bool> ends;
  for (int i = 0; i < member.Count(); ++i) {
    if (member.Kind(i) != RakenneVektori::kSupport) continue;
    const double x = member.X(i);
    ends.push_back(x <= kEndTolerance || x >= member.Length - kEndTolerance);
  }
  return ends;
}

namespace {

// The bearing lengths with the strengths the checks used.
std::vector<Ec5BearingResult> Bearing(const QELVUX_data& project, int c, const Ec5CheckInput& in) {
  if (project.Member.Angle > 0.0) return {};
  QELvektori reactions;
  SupportReactions(project, c, -1, reactions);
  const std::vector<bool> ends = EndSupports(project.Member);
  if (static_cast<int>(ends.size()) != reactions.Count()) return {};
  std::vector<double> xs;
  for (int i = 0; i < project.Member.Count(); ++i)
    if (project.Member.Kind(i) == RakenneVektori::kSupport) xs.push_back(project.Member.X(i));
  std::vector<Ec5SupportReaction> supports;
  for (int s = 0; s < reactions.Count(); ++s) {
    const auto k = static_cast<std::size_t>(s);
    // FY up on the member is the member pressing down on its support.
    supports.push_back({xs[k], reactions.GetReal(s, 1), ends[k]});
  }
  return Ec5BearingLengths(supports, in.section.Width(), project.Settings.ec5.kc90,
                           in.strengths.fc90);
}

}  // namespace

bool CheckEc5Combination(const QELVUX_data& project, int c, Ec5MemberChecks& out,
                         std::vector<Ec5BearingResult>& bearing) {
  out = Ec5MemberChecks();
  bearing.clear();
  QELvektori forces;
  Ec5CheckInput in;
  if (!Ec5CheckInputOf(project, c, forces, in) || !CheckEc5Member(in, out)) return false;
  bearing = Bearing(project, c, in);
  return true;
}

}  // namespace qv
