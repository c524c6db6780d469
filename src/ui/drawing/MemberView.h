// The structure and load drawings as whole pictures: fitting the member into a surface and
// composing it.
#pragma once

#include <string>

#include "ui/drawing/ViewTransform.h"

class QELVUX_data;
class RakenneVektori;

namespace qv {

enum class MemberViewKind { Structure, Loads };

struct WorldBox {
  double left = 0.0;
  double bottom = 0.0;
  double right = 0.0;
  double top = 0.0;
  double Width() const { return right - left; }
  double Height() const { return top - bottom; }
};

// The member with its points, without margins.
WorldBox MemberBox(const RakenneVektori& member);
// The box widened by the margins of the drawing kind (multiples of the box's larger side,
// by the member's angle); picture export crops to it as well.
WorldBox MemberViewBox(const RakenneVektori& member, MemberViewKind kind);
// A surface of client size w x h is drawn on only when w - 1 and h - 1 exceed 5 pixels.
bool SurfaceLargeEnough(int clientWidth, int clientHeight);
// Fits the view to the widened box in the device rectangle (0, 0, w - 1, h - 1), centred.
// 0, or -1 when the surface is too small (the view is then idle).
int FitMemberView(ViewTransform& view, Canvas* surface, const RakenneVektori& member,
                  MemberViewKind kind, int clientWidth, int clientHeight);

// The "Rakenne" drawing: member, supports, hinges, two dimension chains, origin mark.
void DrawStructureView(Canvas* canvas, const QELVUX_data* project, int clientWidth,
                       int clientHeight, int highlight);
// The "Kuormitus" drawing: hollow black member, the loads, two chains over load positions.
void DrawLoadView(Canvas* canvas, const QELVUX_data* project, int clientWidth, int clientHeight,
                  int highlight);

// Pointer coordinates over a drawing of the kind: the world position under the device
// point and "x,y", or "X = x" on a member at exactly 0 degrees and "Y = y" at exactly 90.
// A surface too small to draw on leaves "(?,?)" and (0, 0) and returns -1; else 0.
int MemberPointerText(const RakenneVektori& member, MemberViewKind kind, int clientWidth,
                      int clientHeight, double pixelsPerMmX, double pixelsPerMmY, double deviceX,
                      double deviceY, std::string& text, double& worldX, double& worldY);

}  // namespace qv
