// The world point under the pointer over a page's member drawing, shown in its coordinate panel.
#pragma once

#include <QString>

#include "pagelogic/StructurePage.h"

class QLabel;

namespace qv {

class PaintBox;

// Lays a drawing out as the page draws it and finds the world point under a device point;
// the structure and load drawings fit the member differently.
using PointerLookup = StructurePointer (*)(const RakenneVektori& member, int clientWidth,
                                           int clientHeight, double pixelsPerMmX,
                                           double pixelsPerMmY, double deviceX, double deviceY);

// The place a page's clicks act on: where the pointer last was over its drawing.
class DrawingPointer {
 public:
  explicit DrawingPointer(PointerLookup lookup) : lookup_(lookup) {}

  // The pointer is at the device point of the box: keeps the world point under it and
  // shows its text in the panel (when there is one); returns the text.
  QString MovedTo(const RakenneVektori& member, const PaintBox& box, QLabel* panel, double deviceX,
                  double deviceY);
  double X() const { return x_; }
  double Y() const { return y_; }

 private:
  PointerLookup lookup_;
  double x_ = 0.0;
  double y_ = 0.0;
};

}  // namespace qv
