// Pointer coordinates over the structure and load drawings.
#include "ui/DrawingPointer.h"

#include <QLabel>

#include "ui/PaintBox.h"

namespace qv {

QString DrawingPointer::MovedTo(const RakenneVektori& member, const PaintBox& box, QLabel* panel,
                                double deviceX, double deviceY) {
  const StructurePointer p = lookup_(member, box.width(), box.height(), box.PixelsPerMmX(),
                                     box.PixelsPerMmY(), deviceX, deviceY);
  x_ = p.worldX;
  y_ = p.worldY;
  const QString text = QString::fromStdString(p.text);
  if (panel) panel->setText(text);
  return text;
}

}  // namespace qv
