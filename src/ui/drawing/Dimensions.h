// Dimension chains along the member: positions of ends, supports and hinges, or of the loads.
#pragma once

#include <vector>

#include "ui/drawing/DrawStyle.h"
#include "ui/drawing/ViewTransform.h"

class QELVUX_data;

namespace qv {

// A horizontal chain at height placement.horizontalY over the x values and a vertical chain
// at placement.verticalX over the y values (either list may be empty), in black, with tick
// size placement.tick. Values are drawn in ascending order.
void DrawDimensionChain(Canvas* canvas, const ViewTransform& view, const DimensionStyle& style,
                        const DimensionPlacement& placement, const std::vector<double>& xValues,
                        const std::vector<double>& yValues);

// Chains over 0, the member end and every support and hinge. A member at exactly 0 degrees
// gets the horizontal chain only, one at exactly 90 the vertical only, any other both.
void DrawDimensions(Canvas* canvas, const ViewTransform& view, const QELVUX_data* project,
                    const DimensionStyle& style, const DimensionPlacement& placement);

// The load page's twin: chains over 0, L, the ends of every visible line and surface load
// (a negative x1 counts as 0, a negative x2 as L) and every visible point load.
void DrawLoadDimensions(Canvas* canvas, const ViewTransform& view, const QELVUX_data* project,
                        const DimensionStyle& style, const DimensionPlacement& placement);

}  // namespace qv
