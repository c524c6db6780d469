// The calculation document: the report's lines cut into text blocks with figures between.
#include "pagelogic/ReportDocument.h"

#include <algorithm>

#include "design/DesignLines.h"
#include "design/DesignReport.h"
#include "design/DesignResults.h"
#include "model/TextCodec.h"
#include "pagelogic/CheckTrace.h"
#include "pagelogic/LoadReport.h"
#include "pagelogic/ReactionReport.h"
#include "pagelogic/ReportAssembly.h"
#include "pagelogic/StructureReport.h"
#include "project/QELVUX_data.h"

namespace qv {

namespace {

bool HasText(const std::string& t) { return !t.empty() && t != " "; }

bool IsRule(const std::string& line) {
  return !line.empty() && (line.find_first_not_of('=') == std::string::npos ||
                           line.find_first_not_of('-') == std::string::npos);
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The list position of combination c among those of its design kind, -1 when not listed.
int PositionOf(const QELVUX_data& p, CombinationKind kind, int c) {
  const KuormaYhdVektori& y = p.Loads.Combinations();
  for (int n = 0;; ++n) {
    const int at = y.NthCombinationOfKind(kind, n);
    if (at < 0) return -1;
    if (at == c) return n;
  }
}

bool CaseHasLoads(const QELVUX_data& p, int k) {
  // The own weight is drawn in its case too.
  if (k == p.Loads.OwnWeightCase()) return true;
  for (int i = 0; i < p.Loads.Count(); ++i)
    if (p.Loads.LoadCase(i) == k) return true;
  return false;
}

// The case number of a load report line "KT2:\t...", 0 when the line is none.
int CaseNumberOf(const std::string& line) {
  if (!StartsWith(line, "KT")) return 0;
  std::size_t i = 2;
  int n = 0;
  while (i < line.size() && line[i] >= '0' && line[i] <= '9' && n < 100000)
    n = n * 10 + (line[i++] - '0');
  return i > 2 && i < line.size() && line[i] == ':' ? n : 0;
}

// The combinations whose checks govern: largest utilisation, the first at a tie.
struct Governing {
  int stress = -1;  // combination index
  int deflection = -1;
  const CombinationDesign* stressDesign = nullptr;
};

Governing FindGoverning(const DesignResults& r) {
  Governing g;
  double best = -1.0;
  for (const CombinationDesign& comb : r.stress) {
    const double u = LargestUtilisation(StressLines(r, comb, DesignLineStyle::kReport));
    if (comb.Ran() && u > best) {
      best = u;
      g.stress = comb.index;
      g.stressDesign = &comb;
    }
  }
  best = -1.0;
  for (const CombinationDesign& comb : r.deflection) {
    const double u = DeflectionCombinationUtilisation(comb);
    if (comb.Ran() && u > best) {
      best = u;
      g.deflection = comb.index;
    }
  }
  return g;
}

class DocumentWriter {
 public:
  explicit DocumentWriter(ReportDocument& doc) : doc_(doc) {}

  void Line(const std::string& line) { text_.push_back(line); }

  void Figure(ReportFigureKind kind, const std::string& what, double heightMm, int loadCase = -1,
              int position = -1) {
    Flush();
    ReportBlock block;
    block.isFigure = true;
    block.figure.kind = kind;
    block.figure.caption = "Kuva " + std::to_string(++figures_) + ". " + what;
    block.figure.loadCase = loadCase;
    block.figure.position = position;
    block.figure.heightMm = heightMm;
    doc_.blocks.push_back(std::move(block));
  }

  void Flush() {
    if (text_.empty()) return;
    ReportBlock block;
    block.lines = std::move(text_);
    text_.clear();
    doc_.blocks.push_back(std::move(block));
  }

 private:
  ReportDocument& doc_;
  std::vector<std::string> text_;
  int figures_ = 0;
};

std::string CombinationName(int c) { return "KY" + std::to_string(c + 1); }

}  // namespace

std::string PageNumberText(int page, int pageCount) {
  return "sivu " + std::to_string(page) + " / " + std::to_string(pageCount);
}

ReportDocument BuildReportDocument(const QELVUX_data& p, const std::string& program,
                                   const std::string& printDate) {
  ReportDocument doc;
  doc.member = p.Member.Name;
  doc.designCode = DesignCodeName(p.DesignCode);
  doc.program = program;
  doc.printDate = printDate;
  const std::string file = p.TextFile.FileName();
  const std::string fileName = file.substr(file.find_last_of("/\\") + 1);
  doc.project = HasText(p.Site) ? p.Site : fileName;

  doc.titleBlock.push_back({"Rakenneosa:", p.Member.Name});
  if (HasText(p.Site)) doc.titleBlock.push_back({"Kohde:", p.Site});
  if (HasText(p.CalculatedBy)) doc.titleBlock.push_back({"Laskija:", p.CalculatedBy});
  if (HasText(p.Contact)) doc.titleBlock.push_back({"Yhteystiedot:", p.Contact});
  if (HasText(p.OtherInfo)) {
    std::string other;
    for (const std::string& line : SplitLines(p.OtherInfo))
      other += (other.empty() ? "" : "\n") + line;
    doc.titleBlock.push_back({"Muut tiedot:", other});
  }
  doc.titleBlock.push_back({"Mitoitusnormi:", doc.designCode});
  if (!fileName.empty()) doc.titleBlock.push_back({"Projektitiedosto:", fileName});

  const auto on = [&p](int s) { return p.ReportSwitches[static_cast<std::size_t>(s)] != 0; };
  constexpr double memberFigureMm = 55.0;
  DocumentWriter out(doc);

  if (on(kReportStructure)) {
    for (const std::string& line : StructureReportLines(p)) out.Line(line);
    out.Figure(ReportFigureKind::Structure, "Rakenne: tuet, nivelet ja mitat [mm]", memberFigureMm);
  }

  if (on(kReportLoads)) {
    int openCase = 0;  // 1-based case whose lines are being written
    const auto closeCase = [&] {
      if (openCase > 0 && CaseHasLoads(p, openCase - 1))
        out.Figure(ReportFigureKind::Loads,
                   "Kuormitustapaus KT" + std::to_string(openCase) + ": " +
                       p.Loads.Cases().Name(openCase - 1),
                   memberFigureMm, openCase - 1);
      openCase = 0;
    };
    for (const std::string& line : LoadReportLines(p)) {
      if (IsRule(line)) closeCase();
      out.Line(line);
      if (const int k = CaseNumberOf(line)) openCase = k;
    }
    closeCase();
  }

  if (on(kReportReactionsCombinations) || on(kReportReactionsCases)) {
    bool pictured = false;
    for (const std::string& line : ReactionReportLines(p)) {
      out.Line(line);
      if (!pictured && StartsWith(line, "TUKIREAKTIOT")) {
        out.Figure(ReportFigureKind::Reactions, "Tukien ja nivelten numerointi", 40.0);
        pictured = true;
      }
    }
  }

  if (on(kReportDesign)) {
    const DesignResults results = CollectDesignResults(p);
    const Governing g = FindGoverning(results);
    // The PDF shows the fuller design chapter whatever the text report's two options say.
    const std::vector<std::string> lines =
        WriteDesignReport(results, DesignReportOptions{true, true});
    enum class Section { Other, Stress, Deflection } section = Section::Other;
    const auto closeSection = [&] {
      if (section == Section::Stress && g.stress >= 0) {
        const int n = PositionOf(p, CombinationKind::kStress, g.stress);
        out.Figure(ReportFigureKind::Moment,
                   "Taivutusmomentti Mz, määräävä yhdistelmä " + CombinationName(g.stress), 70.0,
                   -1, n);
        out.Figure(ReportFigureKind::Shear,
                   "Leikkausvoima Vy, määräävä yhdistelmä " + CombinationName(g.stress), 70.0, -1,
                   n);
        for (const std::string& line : CheckTraceLines(p, results, *g.stressDesign)) out.Line(line);
      } else if (section == Section::Deflection && g.deflection >= 0) {
        out.Figure(ReportFigureKind::Deflection,
                   "Taipuma Uy, määräävä yhdistelmä " + CombinationName(g.deflection), 70.0, -1,
                   PositionOf(p, CombinationKind::kDeflection, g.deflection));
      }
      section = Section::Other;
    };
    for (const std::string& line : lines) {
      if (StartsWith(line, "====")) closeSection();
      out.Line(line);
      if (StartsWith(line, "MITOITUS, JÄNNITYSTARKASTELUT")) section = Section::Stress;
      if (StartsWith(line, "MITOITUS, SIIRTYMÄTARKASTELUT")) section = Section::Deflection;
    }
    closeSection();
  }
  for (const std::string& line : SourceValueLines(p)) out.Line(line);
  out.Line(kReportRule);
  out.Flush();
  return doc;
}

}  // namespace qv
