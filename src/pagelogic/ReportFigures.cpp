// The document's figures: one drawing routine serves the screen, the paper and the tests.
#include "pagelogic/ReportFigures.h"

#include "pagelogic/ResultCurves.h"
#include "pagelogic/ResultDiagram.h"
#include "pagelogic/ResultsPage.h"
#include "project/QELVUX_data.h"
#include "ui/drawing/MemberView.h"
#include "ui/drawing/ReactionPicture.h"
#include "ui/drawing/ResultDiagramDrawing.h"

namespace qv {

namespace {

// The load page's view choices, set for one drawing and restored whatever happens.
class LoadViewChoices {
 public:
  LoadViewChoices(KuormaVektori& loads, int loadCase)
      : loads_(loads),
        visible_(loads.VisibleCase),
        point_(loads.ShowPointLoads),
        line_(loads.ShowLineLoads),
        surface_(loads.ShowSurfaceLoads) {
    loads.VisibleCase = loadCase;
    loads.ShowPointLoads = loads.ShowLineLoads = loads.ShowSurfaceLoads = 1;
  }
  ~LoadViewChoices() {
    loads_.VisibleCase = visible_;
    loads_.ShowPointLoads = point_;
    loads_.ShowLineLoads = line_;
    loads_.ShowSurfaceLoads = surface_;
  }
  LoadViewChoices(const LoadViewChoices&) = delete;
  LoadViewChoices& operator=(const LoadViewChoices&) = delete;

 private:
  KuormaVektori& loads_;
  int visible_, point_, line_, surface_;
};

int DiagramKind(ReportFigureKind kind) {
  switch (kind) {
    case ReportFigureKind::Moment:
      return kResultMz;
    case ReportFigureKind::Shear:
      return kResultVy;
    default:
      return kResultUy;
  }
}

}  // namespace

void DrawReportFigure(Canvas* canvas, QELVUX_data& p, const ReportFigure& figure, int width,
                      int height) {
  if (!canvas) return;
  switch (figure.kind) {
    case ReportFigureKind::Structure:
      DrawStructureView(canvas, &p, width, height, 0);
      return;
    case ReportFigureKind::Loads: {
      const LoadViewChoices choices(p.Loads, figure.loadCase);
      DrawLoadView(canvas, &p, width, height, 0);
      return;
    }
    case ReportFigureKind::Reactions:
      DrawReactionPicture(canvas, &p, width, height);
      return;
    case ReportFigureKind::Moment:
    case ReportFigureKind::Shear:
    case ReportFigureKind::Deflection: {
      const ResultCurves curves = BuildResultCurves(p, DiagramKind(figure.kind), figure.position);
      DrawResultDiagram(canvas, BuildResultDiagram(curves), width, height);
      return;
    }
  }
}

}  // namespace qv
