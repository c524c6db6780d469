// All visible loads of the member: surface and line loads as outlines, point loads as arrows.
#pragma once

#include <string>

#include "ui/drawing/DrawStyle.h"
#include "ui/drawing/LabelLayout.h"
#include "ui/drawing/ViewTransform.h"

class KuormaVektori;
class QELVUX_data;

namespace qv {

// True when load i belongs to the shown case (all cases when none is chosen) and its kind
// is switched on.
bool LoadVisible(const KuormaVektori& loads, int i);

// 1-based number of load i among the loads of its case and kind; 0 when out of range.
int LoadNumber(const KuormaVektori& loads, int i);

// Its name cut to 20 characters, or its number when the name is empty or one blank, and its
// value with the unit: "Lumi: -2.0 kN/m".
std::string LoadLabel(const KuormaVektori& loads, int i);

// Surface, line and point loads in that order (each kind when switched on), case by case,
// with head size g = sizes.symbol and offset d = sizes.width from the axis. Arrows and
// heights are scaled to the largest load of their kind; the selected load is drawn again
// in red at the end when highlighting. A label that would overlap one drawn before it, or
// cross a level-ish edge of any load's outline, is raised the least that clears them (an
// undrawn first pass gathers the outlines); an arrow whose tail would lie beyond the axis comes to
// the member from the other side. The layout, when given, receives the labels placed and
// the lowest point drawn. The pen, brush and font are as before on return.
void DrawLoads(Canvas* canvas, const ViewTransform& view, const QELVUX_data* project,
               const DrawStyle& style, const SymbolSizes& sizes, LabelLayout* layout = nullptr);

}  // namespace qv
