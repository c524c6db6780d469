// Commands of the structure page: add, edit and delete a point, the view extent, the pointer text
// and the hit test.
#pragma once

#include <string>

#include "model/RakenneVektori.h"
#include "pagelogic/StructureTree.h"
#include "ui/drawing/MemberView.h"

namespace qv {

// What a command tells its page.
constexpr int kPageNothingDone = 0;
constexpr int kPageChanged = 101;  // above 100: the project changed, repaint

// Key code of Delete, which acts as the delete button while that is enabled.
constexpr int kDeleteKeyCode = 46;
inline bool IsDeleteKey(int keyCode, bool deleteEnabled) {
  return keyCode == kDeleteKeyCode && deleteEnabled;
}

// The point dialog a command opens: mode 1 member, 2 support, 3 hinge; pointIndex -1 for the
// member or a new point. open false: the command does nothing.
struct RakenneDialogRequest {
  bool open = false;
  int mode = 0;
  int pointIndex = -1;
};

// "Lisää": a new support or hinge when the selected node lies in the supports or hinges
// group; nothing for the member group or no selection.
RakenneDialogRequest PlanAddPoint(const StructureTree& tree);
// "Muuta aktiivista", double click: the member or the selected point; with no selection or a
// group node selected, PlanAddPoint instead.
RakenneDialogRequest PlanEditPoint(const StructureTree& tree, const RakenneVektori& member);
// The dialog for item index (-1 member, else a support or hinge); nothing for an index that
// is no point of the member.
RakenneDialogRequest DialogForPoint(const RakenneVektori& member, int index);
// Page result of a command that opened the dialog: kPageChanged when the dialog stored
// (returned above 0), else kPageNothingDone. The page rebuilds the tree either way.
inline int PageResultOfDialog(int dialogResult) {
  return dialogResult > 0 ? kPageChanged : kPageNothingDone;
}

// "Poista", Delete: removes the point of the selected point node (or of one of its lines) and
// selects the item before it. kPageChanged, or kPageNothingDone for the member or a group.
int DeleteSelectedPoint(RakenneVektori& member, const StructureTree& tree);

// World rectangle of the structure drawing: the member's extent with the margins for its
// angle on both sides (the drawing's own fitting rule).
WorldBox StructureViewExtent(const RakenneVektori& member);

// Text of the coordinate panel before the pointer has been over the drawing.
extern const char* const kPointerTextUnknown;  // "(?,?)"

// What the pointer over the structure drawing shows and where it is.
struct StructurePointer {
  std::string text;     // "X = %.0f" at exactly 0 degrees, "Y = %.0f" at 90, else "x,y"
  double worldX = 0.0;  // millimetres; the page keeps them for the next click
  double worldY = 0.0;
  bool valid = false;  // false: the drawing is too small, text "(?,?)" at (0, 0)
};
// The view laid out as for drawing at the client size and resolution (pixels per mm),
// then the world point under the device point.
StructurePointer StructurePointerAt(const RakenneVektori& member, int clientWidth, int clientHeight,
                                    double pixelsPerMmX, double pixelsPerMmY, double deviceX,
                                    double deviceY);

// Hit test of the structure drawing: the support or hinge whose point (x cos a, x sin a) is
// nearest to the world point and nearer than a tenth of the length (the first in member
// order on equal distances), else -1 for the member.
int NearestStructurePoint(const RakenneVektori& member, double worldX, double worldY);
// Click: the hit becomes the selection. 1 when it changed (the page refreshes), else 0.
int ClickStructure(RakenneVektori& member, double worldX, double worldY);
// Double click: the hit becomes the selection and its dialog is opened (the page rebuilds
// the tree first).
RakenneDialogRequest DoubleClickStructure(RakenneVektori& member, double worldX, double worldY);

}  // namespace qv
