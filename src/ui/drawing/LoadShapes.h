// The two load symbols: a point-load arrow and the outline of a distributed load with its shafts.
#pragma once

#include <string>

#include "ui/drawing/LabelLayout.h"
#include "ui/drawing/ViewTransform.h"

namespace qv {

// What the symbols need beyond their geometry. Heads are filled with the brush the
// caller set (a clear brush gives hollow heads); shafts and outlines use the pen.
struct LoadSymbol {
  int direction = 2;   // direction code of the load
  double angle = 0.0;  // member angle, degrees
  double head = 0.0;   // head size
  std::string label;
  // When given, the label steps aside from the labels placed before in the same pass
  // (key: the load's index) and the lowest point drawn is kept there.
  LabelLayout* layout = nullptr;
  int key = -1;
  // An arrow brought to the member from the far side: its label hangs below its lower end.
  bool labelBelow = false;
};

// Unit vector in which a positive load of the direction acts: X (1, 0), Y (0, 1), Z and local
// z obliquely (-1, -1) / 1.41, local x along the member, local y its left normal. False for
// a code that is no direction.
bool LoadDirectionVector(int direction, double angle, double& ux, double& uy);

// Arrow of signed length c ending at the tip (a positive force points in its positive
// direction and ends there): shaft, label above its higher end, filled head, cross-bar at
// the tail; moments add a circle around the shaft's middle with a small head at its rim.
void DrawPointLoadArrow(Canvas* canvas, const ViewTransform& view, WorldPoint tip, double c,
                        const LoadSymbol& symbol);

// Distributed load between start and end with signed heights h1, h2 on the side of the
// direction's side vector: outline (two triangles when the signs differ), a shaft every 5 g
// with heads on the two end shafts, label above its middle. A load acting along the member
// is drawn as a strip beside the axis with heads along it instead.
void DrawDistributedLoad(Canvas* canvas, const ViewTransform& view, WorldPoint start,
                         WorldPoint end, double h1, double h2, const LoadSymbol& symbol);

}  // namespace qv
