// The results page over the page logic: lists, display switch, table and which view is shown.
#include "ui/ResultsPage.h"

#include <algorithm>

#include <QChart>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QRadioButton>
#include <QSplitter>
#include <QTextEdit>
#include <QVBoxLayout>

#include <cmath>

#include "ui/drawing/ReactionPicture.h"
#include "pagelogic/ReactionTable.h"
#include "pagelogic/ResultTable.h"
#include "project/QELVUX_data.h"
#include "ui/CoordinatePicture.h"
#include "ui/PaintBox.h"
#include "ui/PictureExportUi.h"

namespace qv {

namespace {

// Distance of the table's tab stops: wide enough for "U2,inst [mm]" and "Min. tukileveys [mm]:"
// headers to keep their columns apart.
constexpr double kTabStopChars = 14.0;

QLabel* Caption(QWidget* parent, const char* text) {
  auto* l = new QLabel(QString::fromUtf8(text), parent);
  return l;
}

QStringList ToQStrings(const std::vector<std::string>& texts) {
  QStringList out;
  out.reserve(static_cast<int>(texts.size()));
  for (const std::string& t : texts) out << QString::fromStdString(t);
  return out;
}

// The screenshot script picks the result shown through the environment (documentation only).
int ScreenshotResultKind() {
  if (qEnvironmentVariable("QELVUX_SCREENSHOT").isEmpty()) return 0;
  bool ok = false;
  const int kind = qEnvironmentVariableIntValue("QELVUX_SCREENSHOT_RESULT", &ok);
  return ok ? kind : 0;
}

}  // namespace

ResultsPage::ResultsPage(const UiContext& ui, QWidget* parent) : ProjectPage(ui, parent) {
  setObjectName(QStringLiteral("TuloksetTAB"));
  auto* splitter = MakePageSplitter(Qt::Vertical, this);
  auto* views = new QWidget(splitter);
  auto* viewsLayout = new QVBoxLayout(views);
  viewsLayout->setContentsMargins(0, 0, 0, 0);
  viewsLayout->addWidget(BuildChart());
  viewsLayout->addWidget(BuildPicture());
  table_ = new QTextEdit(splitter);
  table_->setObjectName(QStringLiteral("TulosTaulukkoRE"));
  table_->setReadOnly(true);
  table_->setLineWrapMode(QTextEdit::NoWrap);
  table_->setAcceptRichText(false);
  table_->setMinimumHeight(kPageSplitterMinimum);
  splitter->addWidget(views);
  splitter->addWidget(table_);
  // The chart gets most of a taller window, the table a share of it.
  splitter->setStretchFactor(0, 2);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({470, 235});
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(BuildControls());
  layout->addWidget(splitter, 1);
  picturePanel_->hide();
  AddResultsPictureMenu(this, ui_);  // TulosKuvaMenu on the chart and the picture
}

ResultsPage::~ResultsPage() {
  // The combos and the chart may report a last change while they are torn down.
  kindCombo_->disconnect(this);
  chart_->disconnect(this);
  caseCombo_->disconnect(this);
  maximaButton_->disconnect(this);
  allButton_->disconnect(this);
}

QWidget* ResultsPage::BuildControls() {
  auto* panel = new QWidget(this);
  kindCombo_ = new QComboBox(panel);
  kindCombo_->setObjectName(QStringLiteral("TuloslajiCB"));
  kindCombo_->setMinimumWidth(200);
  caseCombo_ = new QComboBox(panel);
  caseCombo_->setObjectName(QStringLiteral("KTorKYCB"));
  caseCombo_->setMinimumWidth(280);
  caseCombo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  radioPanel_ = new QWidget(panel);
  radioPanel_->setObjectName(QStringLiteral("TulosRadioPanel"));
  maximaButton_ = new QRadioButton(QString::fromUtf8("Näytä vain maksimiarvot"), radioPanel_);
  maximaButton_->setObjectName(QStringLiteral("TulosMaksimiRB"));
  allButton_ = new QRadioButton(QString::fromUtf8("Näytä kaikki arvot"), radioPanel_);
  allButton_->setObjectName(QStringLiteral("TulosAllRB"));
  maximaButton_->setChecked(true);
  auto* radios = new QVBoxLayout(radioPanel_);
  radios->setContentsMargins(12, 0, 0, 0);
  radios->setSpacing(2);
  radios->addWidget(maximaButton_);
  radios->addWidget(allButton_);

  QLabel* picture = CoordinatePicture(panel, "Image2");

  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(2, 2, 2, 2);
  grid->addWidget(Caption(panel, "Tarkasteltava tulos:"), 0, 0);
  grid->addWidget(kindCombo_, 1, 0);
  grid->addWidget(Caption(panel, "Kuormitusyhdistelmä/-tapaus:"), 0, 1);
  grid->addWidget(caseCombo_, 1, 1);
  grid->addWidget(radioPanel_, 0, 2, 2, 1);
  grid->setColumnStretch(3, 1);
  grid->addWidget(picture, 0, 4, 2, 1);

  connect(kindCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!filling_) TuloslajiCBChange(i);
  });
  connect(caseCombo_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (!filling_) KTorKYCBChange(i);
  });
  connect(maximaButton_, &QRadioButton::clicked, this, [this] { ShowAllClicked(false); });
  connect(allButton_, &QRadioButton::clicked, this, [this] { ShowAllClicked(true); });
  return panel;
}

QWidget* ResultsPage::BuildPicture() {
  picturePanel_ = new QWidget(this);
  picturePanel_->setObjectName(QStringLiteral("TulosKuvaPanel"));
  pictureBox_ = new PaintBox(picturePanel_);
  pictureBox_->setObjectName(QStringLiteral("TuloskuvaPB"));
  pictureBox_->SetDrawFunction([this](Canvas& canvas, int w, int h) {
    // Only the reactions view shows the member.
    if (IsReactionKind(Project().ResultKind)) DrawReactionPicture(&canvas, &Project(), w, h);
  });
  auto* layout = new QVBoxLayout(picturePanel_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pictureBox_);
  return picturePanel_;
}

void ResultsPage::Refresh() {
  if (!screenshotChoiceApplied_) {
    screenshotChoiceApplied_ = true;
    if (const int kind = ScreenshotResultKind()) Project().ResultKind = kind;
  }
  ShowResults(true, true);
}

void ResultsPage::TuloslajiCBChange(int index) {
  if (ResultKindChanged(Project(), lists_.kinds, index) == 1) ShowResults(false, true);
}

void ResultsPage::KTorKYCBChange(int index) {
  if (ResultCaseChanged(Project(), index) == 1) ShowResults(false, false);
}

void ResultsPage::ShowAllClicked(bool all) {
  showAll_ = ShowAllFlagOf(all);
  ShowResults(false, false);
}

bool ResultsPage::ShowsChart() const { return !chartPanel_->isHidden(); }
bool ResultsPage::ShowsPicture() const { return !picturePanel_->isHidden(); }

void ResultsPage::FillCombo(QComboBox* combo, const QStringList& texts, int index) {
  combo->clear();
  combo->addItems(texts);
  combo->setCurrentIndex(index >= 0 && index < texts.size() ? index : -1);
}

// RefreshResultsPage: the lists made valid against the project, then the chosen view.
void ResultsPage::ShowResults(bool refillKinds, bool refillCases) {
  filling_ = true;
  lists_ = RefreshResultsLists(Project());
  if (refillKinds) {
    QStringList kinds;
    for (const ResultKindEntry& e : lists_.kinds) kinds << QString::fromStdString(e.text);
    FillCombo(kindCombo_, kinds, lists_.kindIndex);
  }
  if (refillCases) FillCombo(caseCombo_, ToQStrings(lists_.cases), lists_.caseIndex);
  filling_ = false;
  if (IsDiagramKind(Project().ResultKind))
    ShowDiagram();
  else
    ShowReactions();
}

void ResultsPage::ShowDiagram() {
  picturePanel_->hide();
  chartPanel_->show();
  radioPanel_->show();
  const DisplayModeButtons buttons = DisplayModeButtonsOf(showAll_);
  maximaButton_->setChecked(buttons.maxima);
  allButton_->setChecked(buttons.all);
  const ResultCurves curves =
      BuildResultCurves(Project(), Project().ResultKind, Project().ResultCase);
  diagram_ = BuildResultDiagram(curves);
  diagramNames_ = curves.names;
  DrawChart(diagram_);
  SetTableLines(ResultTableLines(curves, showAll_));
}

void ResultsPage::ShowReactions() {
  chartPanel_->hide();
  radioPanel_->hide();
  picturePanel_->show();
  diagram_ = ResultDiagram();
  ClearChart();
  pictureBox_->update();
  SetTableLines(ReactionPageLines(Project(), Project().ResultKind, Project().ResultCase));
}

void ResultsPage::SetTableLines(const std::vector<std::string>& lines) {
  table_->clear();
  QTextOption option = table_->document()->defaultTextOption();
  // Every column is as wide as its widest cell ("U2,net,fin [mm]" and the like), so that a
  // header never runs into the next one nor pushes it off its values.
  // Only the longest cell is measured: "all values" of a long member run to thousands of rows.
  std::string longest;
  for (const std::string& line : lines) {
    if (line.find('\t') == std::string::npos) continue;
    for (std::size_t from = 0; from <= line.size();) {
      const std::size_t tab = std::min(line.find('\t', from), line.size());
      if (tab - from > longest.size()) longest = line.substr(from, tab - from);
      from = tab + 1;
    }
  }
  const QFontMetrics metrics = table_->fontMetrics();
  const double stop = std::max(kTabStopChars * metrics.averageCharWidth(),
                               metrics.horizontalAdvance(QString::fromStdString(longest)) +
                                   2.0 * metrics.averageCharWidth());
  QList<QTextOption::Tab> tabs;
  for (int i = 1; i <= 12; ++i) tabs << QTextOption::Tab(i * stop, QTextOption::LeftTab);
  option.setTabs(tabs);
  table_->document()->setDefaultTextOption(option);
  table_->setPlainText(ToQStrings(lines).join(QLatin1Char('\n')));
}

}  // namespace qv
