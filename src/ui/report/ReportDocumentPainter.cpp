// Pagination and painting of the calculation document. The layout runs twice: once to count
// the pages ("sivu n / m" needs the total), once to paint.
#include "ui/report/ReportDocumentPainter.h"

#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "pagelogic/ReportFigures.h"
#include "ui/QtCanvas.h"

namespace qv {

namespace {

constexpr double kDefaultTabPt = 36.0;  // past the report's own stops, half an inch apart
constexpr double kHeaderMm = 11.0;      // header band at the top of the printable area
constexpr double kFooterMm = 9.0;       // footer band at its bottom
constexpr double kFigureInsetMm = 4.0;  // room inside a figure's frame above and below

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool IsRule(const std::string& line, char c) {
  return !line.empty() && line.find_first_not_of(c) == std::string::npos;
}

class DocumentPainter {
 public:
  DocumentPainter(QPagedPaintDevice& device, QELVUX_data& project, const ReportDocument& doc,
                  const QFont& font, const std::vector<double>& tabStopsPt)
      : device_(device),
        project_(project),
        doc_(doc),
        font_(font),
        bold_(font),
        italic_(font),
        small_(font),
        title_(font) {
    dpi_ = device.logicalDpiY() > 0 ? device.logicalDpiY() : 1200;
    const QRect page = device.pageLayout().paintRectPixels(dpi_);
    width_ = page.width();
    height_ = page.height();
    bold_.setBold(true);
    italic_.setItalic(true);
    small_.setPointSizeF(std::max(6.0, font.pointSizeF() - 1.5));
    title_.setBold(true);
    title_.setPointSizeF(font.pointSizeF() + 4.0);
    for (double pt : tabStopsPt)
      if (pt > 0.0) stops_.push_back(pt * dpi_ / 72.0);
    std::sort(stops_.begin(), stops_.end());
    const QFontMetricsF m(font_, &device_);
    lineHeight_ = std::max(1.0, m.lineSpacing());
    bodyTop_ = Mm(kHeaderMm);
    // The text ends 1 mm above the footer's rule, descenders included.
    bodyBottom_ = FooterRule() - Mm(1.0);
  }

  // The footer's baseline and the rule above it.
  double FooterBase() const { return height_ - Mm(kFooterMm) + Mm(4.0); }
  double FooterRule() const {
    return FooterBase() - QFontMetricsF(small_, &device_).ascent() - Mm(1.5);
  }

  // Lays the document out; with a painter given, paints it as well (pageCount then known).
  int Run(QPainter* painter, int pageCount) {
    painter_ = painter;
    pageCount_ = pageCount;
    page_ = 0;
    StartPage();
    TitleBlock();
    bool headingNext = false;
    for (const ReportBlock& block : doc_.blocks) {
      if (block.isFigure) {
        Figure(block.figure);
        headingNext = false;
        continue;
      }
      for (const std::string& line : block.lines) {
        if (IsRule(line, '=')) {
          // A section starts: keep its heading with a few rows of what follows. The end of
          // one section and the start of the next make one rule.
          if (!headingNext) {
            if (y_ + 5.0 * lineHeight_ > bodyBottom_) NewPage();
            Rule(0.5, 0x000000);
          }
          headingNext = true;
        } else if (IsRule(line, '-')) {
          Rule(0.25, 0x808080);
          headingNext = false;
        } else {
          TextLine(Q(line), headingNext ? bold_ : font_);
          headingNext = false;
        }
      }
    }
    return page_ + 1;
  }

 private:
  double Mm(double mm) const { return mm * dpi_ / 25.4; }
  double Pt(double pt) const { return pt * dpi_ / 72.0; }

  void StartPage() {
    y_ = bodyTop_;
    if (!painter_) return;
    PaintFrame();
  }

  void NewPage() {
    ++page_;
    if (painter_) device_.newPage();
    StartPage();
  }

  void Ensure(double height) {
    if (y_ + height > bodyBottom_ && y_ > bodyTop_) NewPage();
  }

  void PaintFrame() {
    QPainter& p = *painter_;
    p.setFont(small_);
    p.setPen(QPen(Qt::black, Pt(0.5)));
    const QFontMetricsF m(small_, &device_);
    const double third = width_ / 3.0;
    const double base = Mm(kHeaderMm) - Mm(3.0);
    const auto field = [&](const std::string& text, double x, Qt::Alignment align, double y) {
      const QString t = m.elidedText(Q(text), Qt::ElideRight, third - Mm(2.0));
      p.drawText(QRectF(x, y - m.ascent(), third, m.height()), align | Qt::AlignTop, t);
    };
    p.setFont(small_);
    field(doc_.project, 0.0, Qt::AlignLeft, base);
    field(doc_.member, third, Qt::AlignHCenter, base);
    field(doc_.designCode, 2.0 * third, Qt::AlignRight, base);
    p.drawLine(QPointF(0.0, base + m.descent() + Mm(1.0)),
               QPointF(width_, base + m.descent() + Mm(1.0)));
    const double foot = FooterBase();
    p.drawLine(QPointF(0.0, FooterRule()), QPointF(width_, FooterRule()));
    field(doc_.program, 0.0, Qt::AlignLeft, foot);
    field("Tulostettu " + doc_.printDate, third, Qt::AlignHCenter, foot);
    field(PageNumberText(page_ + 1, pageCount_), 2.0 * third, Qt::AlignRight, foot);
  }

  void TitleBlock() {
    const QFontMetricsF tm(title_, &device_);
    if (painter_) {
      painter_->setFont(title_);
      painter_->setPen(Qt::black);
      painter_->drawText(QPointF(0.0, y_ + tm.ascent()), Q(kDocumentTitle));
    }
    y_ += tm.lineSpacing() + Mm(2.0);
    // The project information in a framed table: labels left, values right.
    const double labelWidth = Mm(38.0);
    const double pad = Mm(1.5);
    const double top = y_;
    y_ += pad;
    for (const ReportTitleField& f : doc_.titleBlock) {
      const QStringList values = Q(f.value).split(QLatin1Char('\n'));
      if (painter_) {
        painter_->setFont(bold_);
        painter_->drawText(QPointF(pad, y_ + Ascent()), Q(f.label));
        painter_->setFont(font_);
        for (int i = 0; i < values.size(); ++i)
          painter_->drawText(QPointF(labelWidth, y_ + i * lineHeight_ + Ascent()), values[i]);
      }
      y_ += lineHeight_ * values.size();
    }
    y_ += pad;
    if (painter_) {
      painter_->setPen(QPen(Qt::black, Pt(0.5)));
      painter_->setBrush(Qt::NoBrush);
      painter_->drawRect(QRectF(0.0, top, width_, y_ - top));
    }
    // The reviewer's field: three empty compartments under its caption.
    y_ += Mm(3.0);
    const double boxTop = y_;
    const double boxHeight = Mm(18.0);
    if (painter_) {
      painter_->setFont(small_);
      const QFontMetricsF sm(small_, &device_);
      painter_->drawText(QPointF(pad, boxTop + pad + sm.ascent()), Q(kSignatureCaption));
      painter_->drawRect(QRectF(0.0, boxTop, width_, boxHeight));
      painter_->drawLine(QPointF(width_ * 0.4, boxTop + pad + sm.height()),
                         QPointF(width_ * 0.4, boxTop + boxHeight));
      painter_->drawLine(QPointF(width_ * 0.6, boxTop + pad + sm.height()),
                         QPointF(width_ * 0.6, boxTop + boxHeight));
      painter_->drawLine(QPointF(0.0, boxTop + pad + sm.height()),
                         QPointF(width_, boxTop + pad + sm.height()));
    }
    y_ = boxTop + boxHeight + Mm(4.0);
  }

  double Ascent() const { return QFontMetricsF(font_, &device_).ascent(); }

  void Rule(double widthPt, unsigned colour) {
    const double h = lineHeight_ * 0.6;
    Ensure(h);
    if (painter_) {
      painter_->setPen(QPen(QColor::fromRgb(colour), Pt(widthPt)));
      painter_->drawLine(QPointF(0.0, y_ + h / 2.0), QPointF(width_, y_ + h / 2.0));
    }
    y_ += h;
  }

  double NextTab(double x) const {
    for (double s : stops_)
      if (s > x + 1e-6) return s;
    const double step = Pt(kDefaultTabPt);
    return (std::floor(x / step + 1e-9) + 1.0) * step;
  }

  // One report line: tabs to the stops, wrapped at the right edge (at a blank when it can).
  void TextLine(const QString& line, const QFont& font) {
    const QFontMetricsF m(font, &device_);
    lineFont_ = &font;
    BeginRow();
    double x = 0.0;
    const QStringList parts = line.split(QLatin1Char('\t'));
    for (int i = 0; i < parts.size(); ++i) {
      if (i > 0) {
        x = NextTab(x);
        if (x >= width_) {
          NextRow();
          x = 0.0;
        }
      }
      QString text = parts[i];
      while (!text.isEmpty()) {
        int fit = text.size();
        while (fit > 0 && m.horizontalAdvance(text.left(fit)) > width_ - x) --fit;
        if (fit == text.size()) {
          Draw(m, text, x);
          x += m.horizontalAdvance(text);
          break;
        }
        const int blank = text.left(fit).lastIndexOf(QLatin1Char(' '));
        if (blank > 0) {
          fit = blank + 1;
        } else if (x > 0.0) {
          NextRow();
          x = 0.0;
          continue;
        }
        if (fit == 0) fit = 1;
        Draw(m, text.left(fit), x);
        text = text.mid(fit);
        NextRow();
        x = 0.0;
      }
    }
    y_ += lineHeight_;
  }

  // The row a line starts on, on a new page when it does not fit; NextRow for a wrap.
  void BeginRow() {
    if (y_ + lineHeight_ > bodyBottom_) NewPage();
  }
  void NextRow() {
    y_ += lineHeight_;
    BeginRow();
  }

  // The font is set for each piece: a new page drew its frame in another one meanwhile.
  void Draw(const QFontMetricsF& m, const QString& text, double x) {
    if (!painter_) return;
    painter_->setFont(*lineFont_);
    painter_->setPen(Qt::black);
    painter_->drawText(QPointF(x, y_ + m.ascent()), text);
  }

  void Figure(const ReportFigure& figure) {
    const double h = Mm(figure.heightMm + 2.0 * kFigureInsetMm);
    const double caption = lineHeight_ * 1.6;
    Ensure(h + caption + Mm(2.0));
    y_ += Mm(1.0);
    if (painter_) {
      QPainter& p = *painter_;
      p.save();
      p.setClipRect(QRectF(0.0, y_, width_, h));
      // The drawing fits its member into the box; a label above the topmost load may stand
      // out of that, so the box keeps a line's room inside the frame above and below.
      p.translate(0.0, y_ + Mm(kFigureInsetMm));
      const double k = dpi_ / kReportFigureDpi;
      p.scale(k, k);
      const int w = ReportFigureWidthPx(width_ * 25.4 / dpi_);
      const int hh = ReportFigureHeightPx(figure);
      {
        QtCanvas canvas(p, kReportFigureDpi / 25.4, kReportFigureDpi / 25.4);
        DrawReportFigure(&canvas, project_, figure, w, hh);
      }
      p.restore();
      p.setPen(QPen(QColor(0x80, 0x80, 0x80), Pt(0.25)));
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(0.0, y_, width_, h));
    }
    y_ += h + Mm(1.0);
    const QFontMetricsF m(italic_, &device_);
    if (painter_) {
      painter_->setFont(italic_);
      painter_->setPen(Qt::black);
      painter_->drawText(QPointF(0.0, y_ + m.ascent()), Q(figure.caption));
    }
    y_ += caption;
  }

  QPagedPaintDevice& device_;
  QELVUX_data& project_;
  const ReportDocument& doc_;
  QFont font_, bold_, italic_, small_, title_;
  int dpi_ = 1200;
  double width_ = 0.0, height_ = 0.0;
  double bodyTop_ = 0.0, bodyBottom_ = 0.0;
  double lineHeight_ = 1.0;
  std::vector<double> stops_;
  QPainter* painter_ = nullptr;
  int page_ = 0;
  int pageCount_ = 1;
  double y_ = 0.0;
  const QFont* lineFont_ = nullptr;
};

}  // namespace

void SetReportPageLayout(QPagedPaintDevice& device) {
  device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                   QMarginsF(20.0, 12.0, 20.0, 12.0), QPageLayout::Millimeter));
}

int PaintReportDocument(QPagedPaintDevice& device, QELVUX_data& project, const ReportDocument& doc,
                        const QFont& font, const std::vector<double>& tabStopsPt) {
  QFont f = font;
  if (f.pointSizeF() <= 0.0) f.setPointSizeF(9.0);
  DocumentPainter layout(device, project, doc, f, tabStopsPt);
  const int pages = layout.Run(nullptr, 1);
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  DocumentPainter paint(device, project, doc, f, tabStopsPt);
  const int painted = paint.Run(&painter, pages);
  painter.end();
  return painted;
}

int ReportFigureWidthPx(double widthMm) {
  return static_cast<int>(std::floor(widthMm * kReportFigureDpi / 25.4 + 1e-6));
}

int ReportFigureHeightPx(const ReportFigure& figure) {
  return static_cast<int>(std::floor(figure.heightMm * kReportFigureDpi / 25.4 + 1e-6));
}

QFont DefaultDocumentFont() {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(9.0);
  return font;
}

}  // namespace qv
