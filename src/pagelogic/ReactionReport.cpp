// The support-reaction block of the report.
#include "pagelogic/ReactionReport.h"

#include "analysis/MemberResults.h"
#include "design/Ec5Design.h"
#include "model/TextCodec.h"
#include "pagelogic/ReactionTable.h"
#include "pagelogic/ReportAssembly.h"
#include "pagelogic/ResultsPage.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

const char* const kRule = "------------------------------------";

void Append(std::vector<std::string>& to, const std::vector<std::string>& lines) {
  to.insert(to.end(), lines.begin(), lines.end());
}

// The bearing width is asked only where it means something: a horizontal rectangular member
// designed for stresses, with vertical reactions alone.
bool WidthApplies(const QELVUX_data& p, int c, const QELvektori& reactions) {
  return !(p.Member.Angle > 0.0) && p.CurrentSection().shape == SectionShape::kRectangle &&
         p.Loads.Combinations().DesignKind(c) == KuormaYhdVektori::kStress &&
         OnlyVerticalReactions(ReactionColumnsPresent(reactions));
}

SupportWidthInput WidthInput(const QELVUX_data& p, int c) {
  SupportWidthInput in;
  in.b = p.CurrentSection().Width();
  DesignValues v;
  if (p.SectionValues(p.Loads.GoverningDurationClass(c, -1), MateriaaliTiedot::kDesign, v) == 0)
    in.fc90d = v.Get(DesignValues::kCompressionPerp);
  if (p.DesignCode == DesignCode::kEc5) {
    in.ec5 = true;
    in.kc90 = p.Settings.ec5.kc90;
    in.endSupport = EndSupports(p.Member);
  }
  return in;
}

}  // namespace

bool SupportColumnOf(const QELVUX_data& p, int c, const QELvektori& reactions,
                     SupportWidthInput& width) {
  if (!WidthApplies(p, c, reactions)) return false;
  width = WidthInput(p, c);
  return true;
}

std::vector<std::string> CombinationReactionLines(const QELVUX_data& p, int c) {
  std::vector<std::string> lines{kRule, "KY" + std::to_string(c + 1) + ":\t(" +
                                            DesignKindText(p.Loads.Combinations().DesignKind(c)) +
                                            ")"};
  QELvektori reactions;
  SupportReactions(p, c, -1, reactions);
  if (WidthApplies(p, c, reactions)) {
    const SupportWidthInput width = WidthInput(p, c);
    Append(lines, ReactionTableLines(reactions, &width));
  } else {
    Append(lines, ReactionTableLines(reactions));
  }
  return lines;
}

std::vector<std::string> ReactionReportLines(const QELVUX_data& p) {
  std::vector<std::string> lines;
  const auto on = [&](int s) { return p.ReportSwitches[static_cast<std::size_t>(s)] != 0; };
  if (on(kReportReactionsCombinations)) {
    lines.push_back(kReportRule);
    lines.push_back("TUKIREAKTIOT, KUORMITUSYHDISTELMÄT:");
    const KuormaYhdVektori& y = p.Loads.Combinations();
    for (int n = 0;; ++n) {
      const int c = y.NthCombinationOfKind(std::nullopt, n);
      if (c < 0) break;
      Append(lines, CombinationReactionLines(p, c));
    }
  }
  if (on(kReportReactionsCases)) {
    lines.push_back(kReportRule);
    lines.push_back("TUKIREAKTIOT, KUORMITUSTAPAUKSET:");
    const KuormitustapausVektori& cases = p.Loads.Cases();
    for (int k = 0; k < cases.Count(); ++k) {
      lines.push_back(kRule);
      lines.push_back("Kuormitustapaus:\t" + CutChars(cases.Name(k), 40));
      QELvektori reactions;
      SupportReactions(p, -1, k, reactions);
      Append(lines, ReactionTableLines(reactions));
    }
  }
  return lines;
}

}  // namespace qv
