// Support symbols: the triangles of pinned and sliding supports and the block of a fixed one.
#pragma once

#include "ui/drawing/ViewTransform.h"

namespace qv {

// Triangle symbol of a pinned (6111000), sliding X (6011000) or sliding Y (6101000)
// support of size a with its apex at the world point (x, y), in world axes whatever the
// member's angle, drawn with the canvas's pen and brush. Other codes draw nothing.
void DrawSupportSymbol(Canvas* canvas, const ViewTransform& view, double x, double y, double size,
                       int restraintCode);

// Block of a fixed support at position x along the member (c, s = cos, sin of its angle):
// 1.5 s long, 4 s wide, centred on the axis, beyond the end at x > 0 and behind the start
// at x <= 0; drawn once with the current brush and once more with a diagonal hatch in
// hatchColour. Returns the outer end of the block along the axis.
WorldPoint DrawFixedSupportBlock(Canvas* canvas, const ViewTransform& view, double x, double c,
                                 double s, double symbol, Colour hatchColour);

// World box (lower-left and upper-right corners) that the triangle symbol of the code
// covers, its rollers and ground strokes included; false for other codes.
bool SupportSymbolExtent(double x, double y, double size, int restraintCode, WorldPoint& low,
                         WorldPoint& high);

// World box that the block of a fixed support at x covers (same arguments as above).
void FixedSupportBlockExtent(double x, double c, double s, double symbol, WorldPoint& low,
                             WorldPoint& high);

}  // namespace qv
