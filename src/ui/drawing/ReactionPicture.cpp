// The picture beside the reaction table, drawn with the member drawing.
#include "ui/drawing/ReactionPicture.h"

#include <algorithm>

#include "project/QELVUX_data.h"
#include "ui/drawing/MemberDrawing.h"

namespace qv {

WorldBox ReactionPictureBox(const RakenneVektori& member) {
  WorldBox b = MemberBox(member);
  const double w = b.Width();
  const double h = b.Height();
  b.left -= 0.15 * w;
  b.right += 0.15 * w;
  b.bottom -= 0.2 * h;
  b.top += 0.2 * h;
  return b;
}

void DrawReactionPicture(Canvas* canvas, const QELVUX_data* project, int clientWidth,
                         int clientHeight) {
  if (!canvas || !project || !SurfaceLargeEnough(clientWidth, clientHeight)) return;
  const RakenneVektori& m = project->Member;
  const WorldBox box = ReactionPictureBox(m);
  ViewTransform view(canvas);
  if (view.BeginView(canvas, DeviceRect{0, 0, clientWidth - 1, clientHeight - 1}, box.left,
                     box.bottom, box.right, box.top, FitAlignment::Centre) != 0)
    return;
  const WorldBox extent = MemberBox(m);
  const double s = 0.02 * std::max(extent.Width(), extent.Height());
  const DrawStyle style{0, 0, 0};
  const SymbolSizes sizes{s, s / 2.0};
  DrawMember(canvas, view, project, &style, &sizes);
  view.EndView(canvas);
}

}  // namespace qv
