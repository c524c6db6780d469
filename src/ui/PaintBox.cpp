// Paint widget over the QPainter canvas.
#include "ui/PaintBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointF>

#include <memory>
#include <string>
#include <utility>

#include "ui/QtCanvas.h"
#include "ui/drawing/CallLog.h"

namespace qv {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(50, 50);
}

double PaintBox::PixelsPerMmX() const { return QtCanvas::PixelsPerMmX(this); }
double PaintBox::PixelsPerMmY() const { return QtCanvas::PixelsPerMmY(this); }

// The drawing is recorded first, which costs less than painting it; a drawing whose
// calls and size are those of the picture already painted is shown from that picture. A
// long member's drawing takes a tenth of a second to paint, and coming back to its page
// or uncovering it should not pay that again.
void PaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!draw_) {
    painter.fillRect(rect(), Qt::white);
    picture_ = QImage();
    pictureCalls_.reset();
    return;
  }
  // The calls are recorded on the canvas that will paint them if they are new, so that
  // texts are measured (once) as it draws them.
  const qreal ratio = devicePixelRatioF();
  QImage picture(qRound(width() * ratio), qRound(height() * ratio), QImage::Format_RGB32);
  picture.setDevicePixelRatio(ratio);
  picture.fill(Qt::white);
  QPainter onPicture(&picture);
  QtCanvas canvas(onPicture, PixelsPerMmX(), PixelsPerMmY());
  auto calls = std::make_unique<CallLog>(
      canvas.PixelsPerMmX(), canvas.PixelsPerMmY(),
      [&canvas](const Font& font, const std::string& text) {
        canvas.SetFont(font);
        return canvas.TextExtent(text);
      });
  if (pictureCalls_) calls->ReserveLike(*pictureCalls_);
  draw_(*calls, width(), height());
  calls->StopMeasuring();
  if (picture_.isNull() || picture_.size() != picture.size() ||
      picture_.devicePixelRatio() != ratio || !pictureCalls_ || !calls->SameAs(*pictureCalls_)) {
    calls->Replay(canvas);
    onPicture.end();
    picture_ = std::move(picture);
    pictureCalls_ = std::move(calls);
  }
  painter.drawImage(QPointF(0.0, 0.0), picture_);
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
