// The load dialog's hint pictures on white paper.
#include "ui/KuormaOhjeKuvat.h"

#include <QImage>
#include <QPainter>

#include "ui/QtCanvas.h"

namespace qv {

QPixmap KuormaOhjeKuva(int image, QSize size) {
  if (size.isEmpty()) return QPixmap();
  QImage picture(size, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QtCanvas canvas(painter);
    DrawKuormaOhje(canvas, image, size.width(), size.height());
  }
  return QPixmap::fromImage(picture);
}

}  // namespace qv
