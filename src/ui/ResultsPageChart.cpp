// The results page's chart: the diagram's five series on Qt Charts, round value-axis divisions in
// the chart number format, value marks and the foot text.
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

#include "ui/drawing/ChartScale.h"
#include "project/QELVUX_data.h"
#include "ui/QtCanvas.h"
#include "ui/ResultsPage.h"

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

// Places for a mark of the size beside a marker at `at`, best first: beyond the marker away
// from the axis, toward the axis, right, left, then further out. Each is kept inside the
// plot's width, so no mark covers the value-axis labels.
std::vector<QRectF> MarkCandidates(QPointF at, double outward, QSizeF size, const QRectF& plot) {
  const double w = size.width(), h = size.height();
  const double out = outward > 0 ? at.y() + kMarkGap : at.y() - kMarkGap - h;
  const double in = outward > 0 ? at.y() - kMarkGap - h : at.y() + kMarkGap;
  std::vector<QRectF> c{QRectF(at.x() - w / 2.0, out, w, h), QRectF(at.x() - w / 2.0, in, w, h),
                        QRectF(at.x() + kMarkGap + 1.0, at.y() - h / 2.0, w, h),
                        QRectF(at.x() - kMarkGap - 1.0 - w, at.y() - h / 2.0, w, h)};
  for (int k = 1; k <= 4; ++k)
    c.push_back(QRectF(at.x() - w / 2.0, out + outward * k * (h + 1.0), w, h));
  for (QRectF& r : c) {
    if (r.left() < plot.left()) r.moveLeft(plot.left());
    if (r.right() > plot.right()) r.moveRight(plot.right());
  }
  return c;
}

bool Hits(const QRectF& r, const std::vector<QRectF>& others) {
  return std::any_of(others.begin(), others.end(),
                     [&r](const QRectF& o) { return o.intersects(r); });
}

// The first place inside the plot that covers no mark and no marker; failing that the first
// that covers no mark; failing that the first.
QRectF ChooseMarkPlace(const std::vector<QRectF>& candidates, const QRectF& plot,
                       const std::vector<QRectF>& placed, const std::vector<QRectF>& markers) {
  for (const QRectF& r : candidates)
    if (plot.contains(r) && !Hits(r, placed) && !Hits(r, markers)) return r;
  for (const QRectF& r : candidates)
    if (!Hits(r, placed)) return r;
  return candidates.front();
}

}  // namespace

QWidget* ResultsPage::BuildChart() {
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
  // Dashed and dotted curves show as such in the legend.
  chart_->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
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
    FitAxes();
    PlaceMarks();
    PlaceFoot();
  });
  return chartPanel_;
}

QStringList ResultsPage::MarkTexts() const {
  QStringList out;
  for (QGraphicsItem* item : marks_) out << static_cast<MarkItem*>(item)->Text();
  return out;
}

QList<QRectF> ResultsPage::MarkRects() const {
  QList<QRectF> out;
  for (QGraphicsItem* item : marks_) out << item->mapRectToParent(item->boundingRect());
  return out;
}

QString ResultsPage::FootText() const { return foot_->text(); }

void ResultsPage::ClearChart() {
  for (QGraphicsItem* item : marks_) delete item;
  marks_.clear();
  chart_->removeAllSeries();
  valueAxis_ = nullptr;
  xAxis_ = nullptr;
  for (QAbstractAxis* axis : chart_->axes()) {
    chart_->removeAxis(axis);
    delete axis;
  }
  chart_->setTitle(QString());
  chart_->legend()->hide();
  foot_->setText(QString());
  PlaceFoot();
}

void ResultsPage::DrawChart(const ResultDiagram& d) {
  ClearChart();
  chart_->setTitle(QString::fromStdString(d.title));
  foot_->setText(QString::fromStdString(d.footText));
  foot_->setBrush(QtCanvas::ToQColor(d.footColour));
  SetAxes(d);
  const bool displacement = IsDisplacementKind(Project().ResultKind);
  for (std::size_t i = 0; i < d.series.size(); ++i)
    AddSeries(d.series[i], static_cast<int>(i), displacement);
  // The legend names the displacement curves drawn; with no curve it would only take room.
  bool named = false;
  for (int c = kChartCurve1; c <= kChartCurve3 && c < static_cast<int>(d.series.size()); ++c)
    named = named || !d.series[static_cast<std::size_t>(c)].points.empty();
  chart_->legend()->setVisible(displacement && named);

  const ChartSeries* markers = d.series.size() > static_cast<std::size_t>(kChartMarkers)
                                   ? &d.series[kChartMarkers]
                                   : nullptr;
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

void ResultsPage::SetAxes(const ResultDiagram& d) {
  ValueRange(d, valueLow_, valueHigh_);
  valueAxis_ = new QCategoryAxis;
  valueAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  valueAxis_->setReverse(d.valueAxisInverted);
  valueAxis_->setTitleText(QString::fromStdString(d.valueAxisTitle));
  chart_->addAxis(valueAxis_, Qt::AlignLeft);

  if (!XRange(d, xLow_, xHigh_) || !(xHigh_ > xLow_)) {
    xLow_ = 0.0;
    xHigh_ = std::max(Project().Member.Length, 1.0);
  }
  const double pad = kXPadding * (xHigh_ - xLow_);
  xAxis_ = new QValueAxis;
  xAxis_->setRange(xLow_ - pad, xHigh_ + pad);
  xAxis_->setTickType(QValueAxis::TicksDynamic);
  xAxis_->setTickAnchor(0.0);
  xAxis_->setMinorTickCount(0);
  xAxis_->setLabelFormat(QStringLiteral("%.0f"));
  xAxis_->setTitleText(QString::fromStdString(d.xAxisTitle));
  chart_->addAxis(xAxis_, Qt::AlignBottom);
  valueTicks_ = xTicks_ = 0;
  FitAxes();
}

// As many divisions as the plot has room for: a category axis shortens a label that does
// not fit its division to "...", and crowded x labels run together.
void ResultsPage::FitAxes() {
  if (!valueAxis_ || !xAxis_) return;
  QRectF plot = chart_->plotArea();
  if (plot.height() < 1.0 || plot.width() < 1.0)  // not laid out yet: guess from the view
    plot = QRectF(0, 0, chartView_->width() - 120.0, chartView_->height() - 120.0);
  const QFontMetricsF fm(valueAxis_->labelsFont());
  const int valueTicks =
      std::clamp(static_cast<int>(plot.height() / (1.8 * fm.height())), 2, kValueTicks);
  if (valueTicks != valueTicks_) {
    valueTicks_ = valueTicks;
    const ChartScale v = RoundChartScale(valueLow_, valueHigh_, kValuePadding, valueTicks, 0.01);
    for (const QString& label : valueAxis_->categoriesLabels()) valueAxis_->remove(label);
    valueAxis_->setStartValue(v.min);
    for (double t : v.ticks) valueAxis_->append(QString::fromStdString(ChartValueText(t)), t);
    valueAxis_->setRange(v.min, v.max);
  }
  const double labelWidth =
      QFontMetricsF(xAxis_->labelsFont()).horizontalAdvance(QStringLiteral("00000"));
  const int xTicks = std::clamp(static_cast<int>(plot.width() / (2.0 * labelWidth)), 2, kXTicks);
  if (xTicks != xTicks_) {
    xTicks_ = xTicks;
    xAxis_->setTickInterval(FixedChartScale(xLow_, xHigh_, xTicks, 1.0).step);
  }
}

void ResultsPage::AddSeries(const ChartSeries& s, int position, bool displacement) {
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

// Each value mark beside its own marker: beyond it, away from the axis line, when there is
// room; else toward the axis, beside it, or further out. The outermost markers choose first,
// and no mark covers another mark or any marker, nor leaves the plot while it has a choice.
void ResultsPage::PlaceMarks() {
  const QList<QAbstractSeries*> all = chart_->series();
  if (marks_.empty() || all.size() <= kChartMarkers || diagram_.series.size() <= kChartMarkers)
    return;
  QAbstractSeries* markerSeries = all.at(kChartMarkers);
  const ChartSeries& markers = diagram_.series[kChartMarkers];
  const std::size_t n = std::min(marks_.size(), markers.points.size());
  const QRectF plot = chart_->plotArea();
  const double radius = markers.markerSize + 1.5;
  std::vector<QPointF> at(n);
  std::vector<double> outward(n);  // +1 down the screen, -1 up
  std::vector<double> distance(n);
  std::vector<QRectF> obstacles;
  for (std::size_t i = 0; i < n; ++i) {
    const ChartPoint& p = markers.points[i];
    at[i] = chart_->mapToPosition(QPointF(p.x, p.y), markerSeries);
    const double zero = chart_->mapToPosition(QPointF(p.x, 0.0), markerSeries).y();
    outward[i] = at[i].y() > zero + 0.5 ? 1.0 : -1.0;
    distance[i] = std::fabs(at[i].y() - zero);
    obstacles.push_back(QRectF(at[i] - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)));
  }
  std::vector<std::size_t> order(n);
  for (std::size_t i = 0; i < n; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&distance](std::size_t a, std::size_t b) { return distance[a] > distance[b]; });
  std::vector<QRectF> placed;
  for (std::size_t i : order) {
    auto* mark = static_cast<MarkItem*>(marks_[i]);
    const QRectF r = ChooseMarkPlace(MarkCandidates(at[i], outward[i], mark->Size(), plot), plot,
                                     placed, obstacles);
    placed.push_back(r);
    mark->setPos(r.topLeft());
  }
}

// The foot text centred under the chart, in the room the chart's bottom margin keeps for it.
void ResultsPage::PlaceFoot() {
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
