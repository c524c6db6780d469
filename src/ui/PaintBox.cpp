// Paint widget over the QPainter canvas.
#include "ui/PaintBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include "ui/QtCanvas.h"

namespace qv {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(50, 50);
}

double PaintBox::PixelsPerMmX() const { return QtCanvas::PixelsPerMmX(this); }
double PaintBox::PixelsPerMmY() const { return QtCanvas::PixelsPerMmY(this); }

void PaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  if (!draw_) return;
  QtCanvas canvas(painter);
  draw_(canvas, width(), height());
}

QImage PaintBox::Render(int width, int height) const {
  QImage image(width > 0 ? width : 1, height > 0 ? height : 1, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (draw_ && width > 0 && height > 0) {
    QPainter painter(&image);
    QtCanvas canvas(painter);
    draw_(canvas, width, height);
  }
  return image;
}

void PaintBox::mouseMoveEvent(QMouseEvent* event) {
  emit PointerMoved(event->position().x(), event->position().y());
  QWidget::mouseMoveEvent(event);
}

void PaintBox::mouseReleaseEvent(QMouseEvent* event) {
  if (skipNextRelease_) {
    skipNextRelease_ = false;
  } else if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit Clicked(event->position().x(), event->position().y());
  }
  QWidget::mouseReleaseEvent(event);
}

void PaintBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    skipNextRelease_ = true;
    emit DoubleClicked(event->position().x(), event->position().y());
  }
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace qv
