// Paint widget over the QPainter canvas.
#include "ui/PaintBox.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPointF>

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "ui/QtCanvas.h"
#include "ui/drawing/CallLog.h"

namespace qv {

PaintBox::PaintBox(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(50, 50);
  paintThread_.setMaxThreadCount(1);
  paintThread_.setExpiryTimeout(-1);
  // The thread loads the font database and the drawing's face now, while the window is
  // being built, rather than in the first picture the user waits for.
  paintThread_.start([] {
    QImage image(8, 8, QImage::Format_RGB32);
    QPainter onImage(&image);
    onImage.setFont(QtCanvas::ToQFont(Font{}));
    onImage.drawText(QPointF(0.0, 8.0), QStringLiteral("0"));
  });
}

double PaintBox::PixelsPerMmX() const { return QtCanvas::PixelsPerMmX(this); }
double PaintBox::PixelsPerMmY() const { return QtCanvas::PixelsPerMmY(this); }

// A picture painted on the widget's painting thread from a log still being written: it
// starts once asked and is finished when Wait returns.
class PaintBox::PictureJob {
 public:
  PictureJob(QThreadPool& pool, QImage& picture, const CallLog& calls, double pxPerMmX,
             double pxPerMmY)
      : pool_(pool), picture_(picture), calls_(calls), pxPerMmX_(pxPerMmX), pxPerMmY_(pxPerMmY) {}
  PictureJob(const PictureJob&) = delete;
  PictureJob& operator=(const PictureJob&) = delete;
  ~PictureJob() { Wait(); }

  bool Started() const { return started_; }
  void Start() {
    if (started_) return;
    started_ = true;
    pool_.start([this] {
      picture_.fill(Qt::white);
      {
        QPainter onPicture(&picture_);
        QtCanvas canvas(onPicture, pxPerMmX_, pxPerMmY_);
        calls_.ReplayWhileLogged(canvas);
      }
      const std::lock_guard<std::mutex> hold(m_);
      done_ = true;
      finished_.notify_one();
    });
  }
  // Until the picture is finished; at once when it was never started.
  void Wait() {
    if (!started_) return;
    std::unique_lock<std::mutex> hold(m_);
    finished_.wait(hold, [this] { return done_; });
  }

 private:
  QThreadPool& pool_;
  QImage& picture_;
  const CallLog& calls_;
  double pxPerMmX_;
  double pxPerMmY_;
  bool started_ = false;
  std::mutex m_;
  std::condition_variable finished_;
  bool done_ = false;
};

// A picture being painted on the painting thread, with the calls it is painted from.
struct PaintBox::NewPicture {
  QImage picture;
  std::unique_ptr<CallLog> calls;
  std::unique_ptr<PictureJob> job;  // last: it is waited for before the others go
};

PaintBox::~PaintBox() {
  newPicture_.reset();
  paintThread_.waitForDone();
}

void PaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!draw_) {
    painter.fillRect(rect(), Qt::white);
    newPicture_.reset();
    picture_ = QImage();
    pictureCalls_.reset();
    return;
  }
  UpdatePicture();
  AdoptNewPicture();
  painter.drawImage(QPointF(0.0, 0.0), picture_);
}

void PaintBox::Prepare() {
  if (draw_ && width() > 0 && height() > 0) UpdatePicture();
}

void PaintBox::AdoptNewPicture() {
  if (!newPicture_) return;
  newPicture_->job->Wait();
  picture_ = std::move(newPicture_->picture);
  pictureCalls_ = std::move(newPicture_->calls);
  newPicture_.reset();
}

// The drawing is recorded first, which costs less than painting it; a drawing whose
// calls and size are those of the picture already painted is shown from that picture. A
// long member's drawing takes a tenth of a second to paint, and coming back to its page
// or uncovering it should not pay that again. A picture that has to be painted anew is
// painted on a thread of its own while the drawing goes on, from the calls recorded so
// far: as soon as the drawing differs from the picture's, or at once when there is none.
void PaintBox::UpdatePicture() {
  AdoptNewPicture();
  const qreal ratio = devicePixelRatioF();
  const double pxPerMmX = PixelsPerMmX();
  const double pxPerMmY = PixelsPerMmY();
  auto next = std::make_unique<NewPicture>();
  QImage& picture = next->picture;
  picture = QImage(qRound(width() * ratio), qRound(height() * ratio), QImage::Format_RGB32);
  picture.setDevicePixelRatio(ratio);
  // Texts are measured on a canvas of this thread over an image like the picture (the
  // fonts have pixel sizes, so the widths are those the picture's canvas would find).
  QImage measuringImage(1, 1, QImage::Format_RGB32);
  measuringImage.setDevicePixelRatio(ratio);
  QPainter measuringPainter(&measuringImage);
  QtCanvas measuring(measuringPainter, pxPerMmX, pxPerMmY);
  if (ratio != textSizesRatio_ || pxPerMmX != textSizesPxPerMmX_ ||
      pxPerMmY != textSizesPxPerMmY_) {
    textSizes_.Clear();
    textSizesRatio_ = ratio;
    textSizesPxPerMmX_ = pxPerMmX;
    textSizesPxPerMmY_ = pxPerMmY;
  }
  next->calls = std::make_unique<CallLog>(
      pxPerMmX, pxPerMmY, [this, &measuring](const Font& font, const std::string& text) {
        return textSizes_.Get(font, text, [&] {
          measuring.SetFont(font);
          return measuring.TextExtent(text);
        });
      });
  CallLog& calls = *next->calls;
  next->job = std::make_unique<PictureJob>(paintThread_, picture, calls, pxPerMmX, pxPerMmY);
  PictureJob& job = *next->job;
  const CallLog* shown = pictureCalls_.get();
  if (picture_.isNull() || picture_.size() != picture.size() ||
      picture_.devicePixelRatio() != ratio || !shown) {
    shown = nullptr;
    job.Start();
  }
  std::size_t checked = 0;
  calls.OnStep([&] {
    if (!job.Started() && !calls.MatchesSoFar(*shown, checked)) job.Start();
  });
  draw_(calls, width(), height());
  calls.OnStep(nullptr);
  calls.StopMeasuring();
  // The rest of the comparison goes on from where the steps left it.
  if (!job.Started() && !(calls.MatchesSoFar(*shown, checked) && calls.Size() == shown->Size()))
    job.Start();
  calls.Close();
  // A drawing the same as the picture's keeps that picture.
  if (job.Started()) newPicture_ = std::move(next);
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
