// The fixed picture of the coordinate systems on the results and report pages.
#include "ui/CoordinatePicture.h"

#include <QFont>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

#include "ui/ProjectPage.h"

namespace qv {

namespace {

constexpr const char* kCoordinateHint =
    "Pää- ja paikallikoordinaatisto|Pääkoordinaatisto XYZ ja paikalliskoordinaatisto xyz";

void Arrow(QPainter& p, QPointF from, QPointF to, const QString& name) {
  p.drawLine(from, to);
  const QPointF d = to - from;
  const double len = std::hypot(d.x(), d.y());
  if (len <= 0.0) return;
  const QPointF u = d / len, n(-u.y(), u.x());
  QPainterPath head;
  head.moveTo(to);
  head.lineTo(to - 7.0 * u + 3.5 * n);
  head.lineTo(to - 7.0 * u - 3.5 * n);
  head.closeSubpath();
  p.fillPath(head, p.pen().color());
  p.drawText(QRectF(to + 4.0 * u - QPointF(8, 8), QSizeF(16, 16)), Qt::AlignCenter, name);
}

// The fixed picture of the main system XYZ and the local system xyz of an inclined member.
QPixmap Picture() {
  QPixmap pm(150, 70);
  pm.fill(Qt::white);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  QFont f = p.font();
  f.setPixelSize(11);
  f.setItalic(true);
  p.setFont(f);
  p.setPen(QPen(QColor(0, 0, 160), 1.5));
  const QPointF o(14, 56);
  Arrow(p, o, o + QPointF(40, 0), QStringLiteral("X"));
  Arrow(p, o, o + QPointF(0, -40), QStringLiteral("Y"));
  p.drawEllipse(o, 3, 3);  // Z toward the viewer
  p.drawText(QRectF(o + QPointF(-14, 2), QSizeF(12, 12)), Qt::AlignCenter, QStringLiteral("Z"));
  // The member at 30 degrees with its own axes.
  const double a = 30.0 * M_PI / 180.0;
  const QPointF ux(std::cos(a), -std::sin(a)), uy(-std::sin(a), -std::cos(a));
  const QPointF m(82, 60);
  p.setPen(QPen(QColor(150, 150, 150), 4, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(m, m + 34.0 * ux);  // shorter than the x arrow, so its name stays clear
  p.setPen(QPen(QColor(200, 0, 0), 1.5));
  Arrow(p, m, m + 50.0 * ux, QStringLiteral("x"));
  Arrow(p, m, m + 30.0 * uy, QStringLiteral("y"));
  return pm;
}

}  // namespace

QLabel* CoordinatePicture(QWidget* parent, const char* objectName) {
  auto* picture = new QLabel(parent);
  picture->setObjectName(QLatin1String(objectName));
  picture->setPixmap(Picture());
  SetHint(picture, kCoordinateHint);
  return picture;
}

}  // namespace qv
