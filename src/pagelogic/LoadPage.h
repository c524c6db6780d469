// Commands of the load page: the visible-case combo, add / change / delete, the drawing with its
// switches, pointer and hit test.
#pragma once

#include <string>
#include <vector>

#include "pagelogic/LoadTree.h"
#include "pagelogic/StructurePage.h"

class KuormaVektori;
class QELVUX_data;
class RakenneVektori;

namespace qv {

// What a load command tells its page; above 100 the drawing is repainted.
constexpr int kLoadPageNothingDone = 0;
constexpr int kLoadPageAdded = 101;
constexpr int kLoadPageChanged = 102;

// Text of the combo's first item.
extern const char* const kAllLoadCasesText;  // "Kaikki kuormitustapaukset"

// CBktapaukset: "Kaikki kuormitustapaukset" and every case name; the item to select.
struct VisibleCaseCombo {
  std::vector<std::string> items;
  int selected = 0;
};
// Fills the combo; a visible case at or beyond the case count becomes -1 (all).
VisibleCaseCombo FillVisibleCaseCombo(KuormaVektori& loads);
// CBktapauksetChange: item k shows case k - 1 (item 0 all). 1 when it changed (refresh the
// combo, the tree and the drawing), 0 when it stayed or the item is no item.
int ChooseVisibleCase(KuormaVektori& loads, int item);

// The load dialog a command opens: for a new load loadIndex is -1. open false: nothing is
// done and the command returns kLoadPageNothingDone. After the dialog the page rebuilds the
// tree and returns pageResult (kLoadPageAdded or kLoadPageChanged).
struct LoadDialogRequest {
  bool open = false;
  int loadCase = -1;
  LoadKind kind = LoadKind::kPoint;
  int loadIndex = -1;
  int pageResult = kLoadPageNothingDone;
};

// "Lisää" (LisaaNappi_kuorma): a new load of the selected node's kind group, in the visible
// case (or the node's case when all are shown). Nothing on a case node or without selection.
LoadDialogRequest PlanAddLoad(const KuormaVektori& loads, const LoadTree& tree);
// "Muuta" (MuutaNappi_kuorma): the load of the selected load node or detail line.
LoadDialogRequest PlanChangeLoad(const KuormaVektori& loads, const LoadTree& tree);
// Double click on the tree: change, else add (on a group node a load of that kind).
LoadDialogRequest PlanLoadTreeDoubleClick(const KuormaVektori& loads, const LoadTree& tree);
// "Poista" (PoistaNappi_kuorma) and the Delete key while that button is enabled: removes
// the selected load without asking; the load before it becomes the selection.
// kLoadPageChanged, or kLoadPageNothingDone when no load node is selected. The page
// rebuilds the tree afterwards.
int DeleteSelectedLoad(KuormaVektori& loads, const LoadTree& tree);
// The Delete key acts as the delete button while that is enabled.
inline bool IsLoadDeleteKey(int keyCode, bool deleteEnabled) {
  return IsDeleteKey(keyCode, deleteEnabled);
}

// The speed buttons SBpistekuormatONOFF, SBviivakuormatONOFF, SBpintakuormatONOFF: the
// kind is shown while its button is down; the page repaints.
void SetLoadKindShown(KuormaVektori& loads, LoadKind kind, bool down);

// Pointer over the load drawing (PaintBox2MouseMove): the text for Panel14 and the world
// position to keep for the next click, laid out as the load drawing is.
StructurePointer LoadPointerAt(const RakenneVektori& member, int clientWidth, int clientHeight,
                               double pixelsPerMmX, double pixelsPerMmY, double deviceX,
                               double deviceY);

// Hit test of the load drawing at a world point: the list index of the nearest visible load,
// -1 when none. Point loads within a seventh of the length of their point; line and surface
// loads when the pointer lies over their span, nearest to the middle of their drawn line.
int HitTestLoads(const QELVUX_data& project, double worldX, double worldY);
// PaintBox2Click: a hit other than the selected load becomes the selection: 1 (refresh the
// page), else 0. Focus goes to the tree either way.
int ClickLoadDrawing(QELVUX_data& project, double worldX, double worldY);
// PaintBox2DblClick: a hit becomes the selection and is changed through its dialog (the page
// rebuilds the tree first); nothing when no load is hit.
LoadDialogRequest DoubleClickLoadDrawing(QELVUX_data& project, double worldX, double worldY);

// PaintBox2Paint and the exported picture: the member hollow in black and white, the loads in
// colour (the selected one in red when highlighting), the two dimension chains over the load
// positions, no origin mark. A surface of 6 pixels or less draws nothing.
void DrawLoadPage(Canvas* canvas, const QELVUX_data* project, int clientWidth, int clientHeight,
                  int highlight);

// Caption and width of KTjaKYnappi for the pixels left free beside the speed buttons.
struct KTjaKYButtonLayout {
  std::string
      caption;    // "KT ja KY ..." below 190 pixels, else "Kuormitustapaukset ja -yhdistelmät..."
  int width = 0;  // the free pixels, at most 250
};
KTjaKYButtonLayout KTjaKYButtonFor(int freePixels);

}  // namespace qv
