// The results page's chart: the diagram's five series on Qt Charts, round value-axis divisions in the chart number format, value marks and the foot text.
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "pagelogic/ChartScale.h"
#include "project/QELVUX_data.h"
#include "ui/QtCanvas.h"
#include "ui/TuloksetSivu.h"

namespace qv {

namespace {

constexpr int kValueTicks = 8;
constexpr int kXTicks = 10;
// Room above and below the curves for the value marks, as a share of the value span.
constexpr double kValuePadding = 0.15;
// Room left and right of the member, as a share of its length, for the end marks.
constexpr double kXPadding = 0.04;
constexpr double kMarkGap = 5.0;  // pixels between a marker's centre and its value mark
constexpr qreal kMarkZ = 1000.0;

// A value mark: the number on a white ground beside its marker.
class MarkItem : public QGraphicsItem {
 public:
  MarkItem(const QString& text, const QFont& font, QGraphicsItem* parent)
      : QGraphicsItem(parent), text_(text), font_(font) {
    const QFontMetricsF fm(font_);
    size_ = QSizeF(fm.horizontalAdvance(text_) + 6.0, fm.height() + 2.0);
    setZValue(kMarkZ);
  }
  QRectF boundingRect() const override { return QRectF(QPointF(0, 0), size_); }
  void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override {
    const QRectF r = boundingRect();
    p->fillRect(r, Qt::white);
    p->setFont(font_);
    p->setPen(Qt::black);
    p->drawText(r, Qt::AlignCenter, text_);
  }
  const QString& Text() const { return text_; }
  QSizeF Size() const { return size_; }

 private:
  QString text_;
  QFont font_;
  QSizeF size_;
};

QList<QPointF> ToPoints(const std::vector<ChartPoint>& points) {
  QList<QPointF> out;
  out.reserve(static_cast<int>(points.size()));
  for (const ChartPoint& p : points) out << QPointF(p.x, p.y);
  return out;
}

// The values' range over every series, zero included (the axis line is always in the picture).
void ValueRange(const ResultDiagram& d, double& low, double& high) {
  low = high = 0.0;
  for (const ChartSeries& s : d.series)
    for (const ChartPoint& p : s.points) {
      if (!std::isfinite(p.y)) continue;
      low = std::min(low, p.y);
      high = std::max(high, p.y);
    }
}

bool XRange(const ResultDiagram& d, double& low, double& high) {
  bool any = false;
  for (const ChartSeries& s : d.series)
    for (const ChartPoint& p : s.points) {
      if (!std::isfinite(p.x)) continue;
      low = any ? std::min(low, p.x) : p.x;
      high = any ? std::max(high, p.x) : p.x;
      any = true;
    }
  return any;
}

// Line style of each curve: the curves share their colour, so the second and third are
// told apart by dashes.
Qt::PenStyle CurveStyle(int position) {
  if (position == kChartCurve2) return Qt::DashLine;
  if (position == kChartCurve3) return Qt::DotLine;
  return Qt::SolidLine;
}

}  // namespace

QWidget* TuloksetSivu::BuildChart() {
  chartPanel_ = new QWidget(this);
  chartPanel_->setObjectName(QStringLiteral("TulosKaavioPanel"));
  chart_ = new QChart;
  chart_->setAnimationOptions(QChart::NoAnimation);
  chart_->setBackgroundRoundness(0);
  chart_->setDropShadowEnabled(false);
  chart_->setBackgroundBrush(Qt::white);
  QFont title = chart_->titleFont();
  title.setBold(true);
  title.setPointSizeF(std::max(title.pointSizeF(), 10.0));
  chart_->setTitleFont(title);
  chart_->legend()->setAlignment(Qt::AlignBottom);
  chart_->legend()->hide();
  foot_ = new QGraphicsSimpleTextItem(chart_);
  QFont footFont = chart_->titleFont();
  footFont.setBold(false);
  footFont.setItalic(true);
  foot_->setFont(footFont);
  foot_->setZValue(kMarkZ);
  chartView_ = new QChartView(chart_, chartPanel_);
  chartView_->setObjectName(QStringLiteral("KayratChart"));
  // A picture, not an explorer: no zooming, panning or selecting.
  chartView_->setRubberBand(QChartView::NoRubberBand);
  chartView_->setDragMode(QGraphicsView::NoDrag);
  chartView_->setInteractive(false);
  chartView_->setMinimumSize(200, kPageSplitterMinimum);
  auto* layout = new QVBoxLayout(chartPanel_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(chartView_);
  connect(chart_, &QChart::plotAreaChanged, this, [this](const QRectF&) {
    PlaceMarks();
    PlaceFoot();
  });
  return chartPanel_;
}

QStringList TuloksetSivu::MarkTexts() const {
  QStringList out;
  for (QGraphicsItem* item : marks_) out << static_cast<MarkItem*>(item)->Text();
  return out;
}

QList<QRectF> TuloksetSivu::MarkRects() const {
  QList<QRectF> out;
  for (QGraphicsItem* item : marks_) out << item->mapRectToParent(item->boundingRect());
  return out;
}

QString TuloksetSivu::FootText() const { return foot_->text(); }

void TuloksetSivu::ClearChart() {
  for (QGraphicsItem* item : marks_) delete item;
  marks_.clear();
  chart_->removeAllSeries();
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  chart_->setTitle(QString());
  chart_->legend()->hide();
  foot_->setText(QString());
  PlaceFoot();
}

void TuloksetSivu::DrawChart(const ResultDiagram& d) {
  ClearChart();
  chart_->setTitle(QString::fromStdString(d.title));
  foot_->setText(QString::fromStdString(d.footText));
  foot_->setBrush(QtCanvas::ToQColor(d.footColour));
  SetAxes(d);
  const bool displacement = IsDisplacementKind(Project().ResultKind);
  for (std::size_t i = 0; i < d.series.size(); ++i) AddSeries(d.series[i], static_cast<int>(i), displacement);
  chart_->legend()->setVisible(displacement);

  const ChartSeries* markers =
      d.series.size() > static_cast<std::size_t>(kChartMarkers) ? &d.series[kChartMarkers] : nullptr;
  if (markers) {
    QFont font = chart_->titleFont();
    font.setBold(false);
    font.setPointSizeF(std::max(font.pointSizeF() - 1.0, 7.0));
    for (std::size_t i = 0; i < markers->points.size() && i < markers->labels.size(); ++i)
      marks_.push_back(new MarkItem(QString::fromStdString(markers->labels[i]), font, chart_));
  }
  PlaceMarks();
  PlaceFoot();
}

void TuloksetSivu::SetAxes(const ResultDiagram& d) {
  double low = 0.0, high = 0.0;
  ValueRange(d, low, high);
  const ChartScale v = RoundChartScale(low, high, kValuePadding, kValueTicks, 0.01);
  auto* y = new QCategoryAxis;
  y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  y->setStartValue(v.min);
  for (double t : v.ticks) y->append(QString::fromStdString(ChartValueText(t)), t);
  y->setRange(v.min, v.max);
  y->setReverse(d.valueAxisInverted);
  y->setTitleText(QString::fromStdString(d.valueAxisTitle));
  chart_->addAxis(y, Qt::AlignLeft);

  double x0 = 0.0, x1 = 0.0;
  if (!XRange(d, x0, x1) || !(x1 > x0)) {
    x0 = 0.0;
    x1 = std::max(Project().Member.Length, 1.0);
  }
  const double pad = kXPadding * (x1 - x0);
  const ChartScale h = FixedChartScale(x0, x1, kXTicks, 1.0);
  auto* x = new QValueAxis;
  x->setRange(x0 - pad, x1 + pad);
  x->setTickType(QValueAxis::TicksDynamic);
  x->setTickAnchor(0.0);
  x->setTickInterval(h.step);
  x->setMinorTickCount(0);
  x->setLabelFormat(QStringLiteral("%.0f"));
  x->setTitleText(QString::fromStdString(d.xAxisTitle));
  chart_->addAxis(x, Qt::AlignBottom);
}

void TuloksetSivu::AddSeries(const ChartSeries& s, int position, bool displacement) {
  QXYSeries* series = nullptr;
  const QColor colour = QtCanvas::ToQColor(s.colour);
  if (s.kind == ChartSeriesKind::Points) {
    auto* scatter = new QScatterSeries;
    scatter->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    // The size is the circle's radius; Qt takes the diameter.
    scatter->setMarkerSize(2.0 * s.markerSize + 1.0);
    scatter->setColor(colour);
    scatter->setBorderColor(colour);
    scatter->setPointLabelsVisible(false);  // the marks are drawn by the page, on white
    series = scatter;
  } else {
    auto* line = new QLineSeries;
    QPen pen(colour, s.penWidth, CurveStyle(position));
    pen.setCosmetic(true);
    line->setPen(pen);
    series = line;
  }
  series->replace(ToPoints(s.points));
  if (position <= kChartCurve3 && position < static_cast<int>(diagramNames_.size()))
    series->setName(QString::fromStdString(diagramNames_[static_cast<std::size_t>(position)]));
  chart_->addSeries(series);
  for (QAbstractAxis* axis : chart_->axes()) series->attachAxis(axis);
  // The legend names the displacement curves only.
  const bool named = displacement && position <= kChartCurve3 && !s.points.empty();
  for (QLegendMarker* m : chart_->legend()->markers(series)) m->setVisible(named);
}

// Each value mark beside its marker, on the side away from the axis line, moved further out
// while it would cover a mark placed before it.
void TuloksetSivu::PlaceMarks() {
  const QList<QAbstractSeries*> all = chart_->series();
  if (marks_.empty() || all.size() <= kChartMarkers) return;
  QAbstractSeries* markerSeries = all.at(kChartMarkers);
  const std::vector<ChartPoint>& points = diagram_.series[kChartMarkers].points;
  const QRectF bounds(QPointF(0, 0), chart_->size());
  const QRectF plot = chart_->plotArea();
  std::vector<QRectF> placed;
  for (std::size_t i = 0; i < marks_.size() && i < points.size(); ++i) {
    auto* mark = static_cast<MarkItem*>(marks_[i]);
    const QPointF at = chart_->mapToPosition(QPointF(points[i].x, points[i].y), markerSeries);
    const QPointF zero = chart_->mapToPosition(QPointF(points[i].x, 0.0), markerSeries);
    const bool below = at.y() > zero.y() + 0.5;
    const QSizeF size = mark->Size();
    QRectF r(QPointF(at.x() - size.width() / 2.0,
                     below ? at.y() + kMarkGap : at.y() - kMarkGap - size.height()),
             size);
    // Keep inside the plot horizontally, so no mark covers the value-axis labels.
    if (r.left() < plot.left()) r.moveLeft(plot.left());
    if (r.right() > plot.right()) r.moveRight(plot.right());
    for (int tries = 0; tries < 8; ++tries) {
      const bool covers = std::any_of(placed.begin(), placed.end(),
                                      [&r](const QRectF& p) { return p.intersects(r); });
      if (!covers) break;
      r.translate(0.0, below ? size.height() + 1.0 : -(size.height() + 1.0));
    }
    if (r.top() < bounds.top()) r.moveTop(bounds.top());
    if (r.bottom() > bounds.bottom()) r.moveBottom(bounds.bottom());
    placed.push_back(r);
    mark->setPos(r.topLeft());
  }
}

// The foot text centred under the chart, in the room the chart's bottom margin keeps for it.
void TuloksetSivu::PlaceFoot() {
  const bool shown = !foot_->text().isEmpty();
  const QRectF text = foot_->boundingRect();
  QMargins margins = chart_->margins();
  margins.setBottom(shown ? static_cast<int>(std::ceil(text.height())) + 4 : 4);
  if (chart_->margins() != margins) chart_->setMargins(margins);
  const QSizeF size = chart_->size();
  foot_->setPos((size.width() - text.width()) / 2.0, size.height() - text.height() - 4.0);
  foot_->setVisible(shown);
}

}  // namespace qv
