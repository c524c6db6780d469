// The member dialog's hint pictures on white paper.
#include "ui/RakenneOhjeKuvat.h"

#include <QImage>
#include <QPainter>

#include "ui/QtCanvas.h"

namespace qv {

QPixmap RakenneOhjeKuva(int image, QSize size) {
  if (size.isEmpty()) return QPixmap();
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    QtCanvas canvas(painter);
    DrawRakenneOhje(canvas, image, size.width(), size.height());
  }
  return QPixmap::fromImage(picture);
}

}  // namespace qv
