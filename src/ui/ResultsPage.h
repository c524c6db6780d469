// The page "Voimasuure ja siirtymäkäyrät": result kind and combination lists, the diagram chart,
// the value table and the reactions view.
#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

#include "pagelogic/ResultDiagram.h"
#include "pagelogic/ResultsPage.h"
#include "ui/ProjectPage.h"

class QCategoryAxis;
class QChart;
class QValueAxis;
class QChartView;
class QComboBox;
class QGraphicsItem;
class QGraphicsSimpleTextItem;
class QLabel;
class QRadioButton;
class QTextEdit;
class QWidget;

namespace qv {

class PaintBox;

class ResultsPage : public ProjectPage {
  Q_OBJECT

 public:
  explicit ResultsPage(const UiContext& ui, QWidget* parent = nullptr);
  ~ResultsPage() override;

  // RefreshResultsPage with both lists refilled (the page was entered after a new analysis).
  void Refresh() override;

  // The user's changes, public so tests drive exactly what the controls drive.
  void TuloslajiCBChange(int index);  // refills the cases, then shows
  void KTorKYCBChange(int index);     // shows without refilling
  void ShowAllClicked(bool all);      // TulosAllRB (true) or TulosMaksimiRB (false)

  int ShowAllFlag() const { return showAll_; }
  // Whether the chart (a diagram kind) or the picture (reactions) is shown.
  bool ShowsChart() const;
  bool ShowsPicture() const;

  QComboBox* TuloslajiCB() const { return kindCombo_; }
  QComboBox* KTorKYCB() const { return caseCombo_; }
  QRadioButton* TulosMaksimiRB() const { return maximaButton_; }
  QRadioButton* TulosAllRB() const { return allButton_; }
  QChartView* KayratChart() const { return chartView_; }
  PaintBox* TuloskuvaPB() const { return pictureBox_; }
  QTextEdit* TulosTaulukkoRE() const { return table_; }
  // The diagram last drawn and the value marks standing beside its markers.
  const ResultDiagram& Diagram() const { return diagram_; }
  QStringList MarkTexts() const;
  // Where the marks stand, in the chart's coordinates.
  QList<QRectF> MarkRects() const;
  QString FootText() const;

 private:
  QWidget* BuildControls();
  QWidget* BuildChart();
  QWidget* BuildPicture();
  void ShowResults(bool refillKinds, bool refillCases);
  void FillCombo(QComboBox* combo, const QStringList& texts, int index);
  void ShowDiagram();
  void ShowReactions();
  void SetTableLines(const std::vector<std::string>& lines);

  // The chart (ResultsPageChart.cpp).
  void ClearChart();
  void DrawChart(const ResultDiagram& diagram);
  void AddSeries(const ChartSeries& series, int position, bool displacement);
  void SetAxes(const ResultDiagram& diagram);
  void FitAxes();
  void PlaceMarks();
  void PlaceFoot();

  ResultsPageLists lists_;
  ResultDiagram diagram_;
  std::vector<std::string> diagramNames_;  // the curves' names for the legend
  int showAll_ = kShowMaxima;              // the window starts with maxima only
  bool filling_ = false;                   // the page itself is setting its controls
  bool screenshotChoiceApplied_ = false;

  QComboBox* kindCombo_ = nullptr;  // TuloslajiCB
  QComboBox* caseCombo_ = nullptr;  // KTorKYCB
  QWidget* radioPanel_ = nullptr;
  QRadioButton* maximaButton_ = nullptr;  // TulosMaksimiRB
  QRadioButton* allButton_ = nullptr;     // TulosAllRB
  QWidget* chartPanel_ = nullptr;
  QChartView* chartView_ = nullptr;  // KayratChart
  QChart* chart_ = nullptr;
  QCategoryAxis* valueAxis_ = nullptr;  // labels in the chart number format
  QValueAxis* xAxis_ = nullptr;
  double valueLow_ = 0.0, valueHigh_ = 0.0;  // the values drawn, zero included
  double xLow_ = 0.0, xHigh_ = 0.0;
  int valueTicks_ = 0, xTicks_ = 0;  // divisions the axes were made with
  QWidget* picturePanel_ = nullptr;
  PaintBox* pictureBox_ = nullptr;     // TuloskuvaPB
  QTextEdit* table_ = nullptr;         // TulosTaulukkoRE
  std::vector<QGraphicsItem*> marks_;  // value marks, owned by the chart's scene
  QGraphicsSimpleTextItem* foot_ = nullptr;
};

}  // namespace qv
