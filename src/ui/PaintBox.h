// A widget that draws through the QPainter canvas and reports the pointer, clicks and double
// clicks.
#pragma once

#include <QImage>
#include <QThreadPool>
#include <QWidget>

#include <functional>
#include <memory>

#include "ui/drawing/Canvas.h"
#include "ui/drawing/CallLog.h"
#include "ui/drawing/TextSizeCache.h"

namespace qv {

class PaintBox : public QWidget {
  Q_OBJECT

 public:
  // Draws the picture on a canvas of the given client size (device pixels).
  using DrawFunction = std::function<void(Canvas& canvas, int width, int height)>;

  explicit PaintBox(QWidget* parent = nullptr);
  ~PaintBox() override;
  PaintBox(const PaintBox&) = delete;
  PaintBox& operator=(const PaintBox&) = delete;

  void SetDrawFunction(DrawFunction draw) {
    draw_ = std::move(draw);
    update();
  }
  // Resolution of the widget's surface, device pixels per millimetre.
  double PixelsPerMmX() const;
  double PixelsPerMmY() const;
  // The same picture on an image of the given size (white paper), e.g. for export.
  QImage Render(int width, int height) const;
  // Works out the drawing for the widget's present size while it is not shown (a page the
  // user is likely to open next) and has it painted on the painting thread meanwhile: the
  // widget's next paint finds it painted when the drawing is still the same.
  void Prepare();

 signals:
  void PointerMoved(double deviceX, double deviceY);
  void Clicked(double deviceX, double deviceY);
  void DoubleClicked(double deviceX, double deviceY);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  DrawFunction draw_;
  class PictureJob;
  struct NewPicture;
  // Works out the drawing and, when it differs from the picture's, starts painting it.
  void UpdatePicture();
  // Waits for the picture being painted, if any, and makes it the picture.
  void AdoptNewPicture();

  // The picture last painted and the calls it was painted from.
  QImage picture_;
  std::unique_ptr<CallLog> pictureCalls_;
  std::unique_ptr<NewPicture> newPicture_;
  // Texts measured in earlier drawings, on a surface of this resolution.
  TextSizeCache textSizes_;
  qreal textSizesRatio_ = 0.0;
  double textSizesPxPerMmX_ = 0.0;
  double textSizesPxPerMmY_ = 0.0;
  // The thread that paints a new picture while the drawing is still being worked out;
  // kept for the widget's life, with the fonts it has loaded.
  QThreadPool paintThread_;
  // The release that ends a double click is no click of its own.
  bool skipNextRelease_ = false;
};

// Hands a drawing's pointer moves, clicks and double clicks (device points) to the page's
// PointerMovedTo, DrawingClicked and DrawingDoubleClicked.
template <typename Page>
void ConnectDrawingPointer(PaintBox* box, Page* page) {
  QObject::connect(box, &PaintBox::PointerMoved, page,
                   [page](double x, double y) { page->PointerMovedTo(x, y); });
  QObject::connect(box, &PaintBox::Clicked, page,
                   [page](double x, double y) { page->DrawingClicked(x, y); });
  QObject::connect(box, &PaintBox::DoubleClicked, page,
                   [page](double x, double y) { page->DrawingDoubleClicked(x, y); });
}

}  // namespace qv
