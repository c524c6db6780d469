// The report drawn line by line onto A4 pages of a PDF, tabs placed at the report's own stops.
#include "ui/ReportPdf.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "ui/TpaaikkunaFRM.h"
#include "ui/drawing/MetafileCanvas.h"

namespace qv {

namespace {

constexpr int kResolution = 1200;  // device units per inch
constexpr double kMarginMm = 20.0;
constexpr double kDefaultTabPt = 36.0;  // the rich text's default stops, half an inch

double PtToDevice(double pt) { return pt * kResolution / 72.0; }

// The next stop strictly right of x (device units).
double NextTab(double x, const std::vector<double>& stops) {
  for (double s : stops)
    if (s > x + 1e-6) return s;
  const double step = PtToDevice(kDefaultTabPt);
  return (std::floor(x / step + 1e-9) + 1.0) * step;
}

// Lays the lines out in rows and pages; painting is left to the painter given.
class PdfReportPainter {
 public:
  PdfReportPainter(QPdfWriter& writer, QPainter& painter, const QFont& font,
                   const std::vector<double>& tabStopsPt)
      : writer_(writer), painter_(painter), metrics_(font, &writer) {
    painter_.setFont(font);
    const QRect page = writer.pageLayout().paintRectPixels(kResolution);
    width_ = page.width();
    height_ = page.height();
    for (double pt : tabStopsPt)
      if (pt > 0.0) stops_.push_back(PtToDevice(pt));
    std::sort(stops_.begin(), stops_.end());
    lineHeight_ = std::max(1.0, metrics_.lineSpacing());
  }

  void Line(const QString& line) {
    NewRow();
    double x = 0.0;
    const QStringList parts = line.split(QLatin1Char('\t'));
    for (int i = 0; i < parts.size(); ++i) {
      if (i > 0) {
        x = NextTab(x, stops_);
        if (x >= width_) {  // a tab past the edge starts a row of its own
          NewRow();
          x = 0.0;
        }
      }
      x = Segment(parts[i], x);
    }
  }

 private:
  void NewRow() {
    if (started_ && y_ + 2.0 * lineHeight_ > height_) {
      writer_.newPage();
      y_ = 0.0;
    } else if (started_) {
      y_ += lineHeight_;
    }
    started_ = true;
  }

  // Draws text from x, wrapping at the right edge (at a blank when there is one).
  double Segment(QString text, double x) {
    while (!text.isEmpty()) {
      const double room = width_ - x;
      int fit = text.size();
      while (fit > 0 && metrics_.horizontalAdvance(text.left(fit)) > room) --fit;
      if (fit == text.size()) {
        Draw(text, x);
        return x + metrics_.horizontalAdvance(text);
      }
      const int blank = text.left(fit).lastIndexOf(QLatin1Char(' '));
      if (blank > 0) {
        fit = blank + 1;
      } else if (x > 0.0) {  // a word that does not fit here starts the next row whole
        NewRow();
        x = 0.0;
        continue;
      }
      if (fit == 0) fit = 1;  // not even one character fits a row: draw it anyway
      Draw(text.left(fit), x);
      text = text.mid(fit);
      NewRow();
      x = 0.0;
    }
    return x;
  }

  void Draw(const QString& text, double x) {
    painter_.drawText(QPointF(x, y_ + metrics_.ascent()), text);
  }

  QPdfWriter& writer_;
  QPainter& painter_;
  QFontMetricsF metrics_;
  std::vector<double> stops_;
  double width_ = 0.0;
  double height_ = 0.0;
  double lineHeight_ = 1.0;
  double y_ = 0.0;
  bool started_ = false;
};

}  // namespace

RtfFont RtfFontOf(const QFont& font) {
  RtfFont f;
  f.family = font.family().toStdString();
  f.pointSize = font.pointSizeF() > 0.0 ? font.pointSizeF() : f.pointSize;
  f.bold = font.bold();
  f.italic = font.italic();
  return f;
}

QByteArray ReportPdfBytes(const std::vector<std::string>& lines, const QFont& font,
                          const std::vector<double>& tabStopsPt) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setCreator(QString::fromUtf8(kProgramTitle));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
    QPainter painter(&writer);
    QFont pdfFont = font;
    if (pdfFont.pointSizeF() <= 0.0) pdfFont.setPointSizeF(10.0);
    PdfReportPainter report(writer, painter, pdfFont, tabStopsPt);
    for (const std::string& line : lines) report.Line(QString::fromStdString(line));
    painter.end();
  }
  return buffer.data();
}

bool SaveReportPdf(const std::string& path, const std::vector<std::string>& lines,
                   const QFont& font, const std::vector<double>& tabStopsPt, std::string* error) {
  const QByteArray bytes = ReportPdfBytes(lines, font, tabStopsPt);
  return ReplaceFileBytes(
      path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())), error);
}

}  // namespace qv
