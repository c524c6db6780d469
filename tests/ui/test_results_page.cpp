// The results page driven through its lists and buttons: lists and resets, the chart's series and
// axes, the value table, the reactions view and the page in the main window.
#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QRadioButton>
#include <QScatterSeries>
#include <QTabWidget>
#include <QTextEdit>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "UiTestSupport.h"
#include "analysis/MalliGeneraattori.h"
#include "project/QELVUX_data.h"
#include "ui/PaintBox.h"
#include "ui/TpaaikkunaFRM.h"
#include "ui/ResultsPage.h"

using namespace qv;
using qv::test::RecordingMessages;

namespace {

constexpr double kQ = 2.0;  // N/mm downward = 2 kN/m

using Supports = std::vector<std::pair<double, int>>;

void SetMember(QELVUX_data& p, double length, const Supports& supports) {
  RakenneVektori& m = p.Member;
  m.ClearRecords();
  m.Length = length;
  m.Angle = 0.0;
  for (const auto& s : supports) m.AddPoint(" ", RakenneVektori::kSupport, s.second, s.first);
}

// Cases "G" (permanent) and "Q"; KY1 stresses, KY2 deflections, KY3 stresses with Q alone.
// A uniform downward load q (N/mm) in G over the whole member.
void SetLoads(QELVUX_data& p, double q) {
  p.Loads.ClearLoads();
  p.Loads.Cases().ClearRecords();
  p.Loads.Combinations().Clear();
  p.Loads.Cases().AddCase("G", 0);
  p.Loads.Cases().AddCase("Q", 1);
  KuormaYhdVektori& y = p.Loads.Combinations();
  y.AddHeader(0, KuormaYhdVektori::kStress);
  y.AddFactor(0, 0, 1.0);
  y.AddHeader(1, KuormaYhdVektori::kDeflection);
  y.AddFactor(1, 0, 1.0);
  y.AddHeader(2, KuormaYhdVektori::kStress);
  y.AddFactor(2, 1, 1.0);
  p.Loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, KuormaVektori::kPerLength, -q, -q, 0.0,
                  p.Member.Length);
}

int Solve(QELVUX_data& p) {
  std::vector<std::string> output;
  return RunAnalysis(GenerateAnalysisInput(p), p, p.Analysis, output);
}

QStringList Items(const QComboBox* c) {
  QStringList out;
  for (int i = 0; i < c->count(); ++i) out << c->itemText(i);
  return out;
}

QStringList TableLines(const ResultsPage& page) {
  return page.TulosTaulukkoRE()->toPlainText().split(QLatin1Char('\n'));
}

// The rows after the header line "X [mm]...".
QStringList TableRows(const ResultsPage& page) {
  const QStringList lines = TableLines(page);
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].startsWith(QStringLiteral("X [mm]"))) return lines.mid(i + 1);
  return {};
}

int NonWhite(const QImage& image) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
  return n;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

class ResultsPageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  std::unique_ptr<ResultsPage> page_;

  QELVUX_data& P() { return *project_; }
  QChart* Chart() { return page_->KayratChart()->chart(); }
  QList<QAbstractSeries*> Series() { return Chart()->series(); }
  int Points(int i) { return static_cast<QXYSeries*>(Series().at(i))->count(); }
  QAbstractAxis* ValueAxis() {
    const QList<QAbstractAxis*> a = Chart()->axes(Qt::Vertical);
    return a.isEmpty() ? nullptr : a.first();
  }
  // Screen position of a value in the chart.
  QPointF At(double x, double y) { return Chart()->mapToPosition(QPointF(x, y), Series().at(0)); }
  void ChooseKind(const QString& text) {
    const int i = page_->TuloslajiCB()->findText(text);
    QVERIFY2(i >= 0, qPrintable(text));
    page_->TuloslajiCB()->setCurrentIndex(i);
    Settle();
  }
  void Show() {
    QVERIFY(Solve(P()) == 0);
    page_->Refresh();
    Settle();
  }
  // Every mark inside the plot, clear of the other marks and of every marker circle.
  void MarksApartAndInside() {
    const QList<QRectF> marks = page_->MarkRects();
    const QRectF plot = Chart()->plotArea();
    const auto* markers = static_cast<QScatterSeries*>(Series().at(4));
    for (int i = 0; i < marks.size(); ++i) {
      QVERIFY2(plot.contains(marks[i]), qPrintable(page_->MarkTexts().at(i)));
      for (int k = 0; k < markers->count(); ++k) {
        const QPointF c = Chart()->mapToPosition(markers->at(k), Series().at(4));
        QVERIFY2(!marks[i].intersects(QRectF(c - QPointF(3, 3), QSizeF(6, 6))),
                 qPrintable(page_->MarkTexts().at(i)));
      }
      for (int j = i + 1; j < marks.size(); ++j)
        QVERIFY2(!marks[i].intersects(marks[j]),
                 qPrintable(page_->MarkTexts().at(i) + " / " + page_->MarkTexts().at(j)));
    }
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    P().DesignCode = qv::DesignCode::kLimitState;
    P().Profiles.SetSingleSection("50*200;1;50;200;0;0;0;0;0;0;0;0");
    SetMember(P(), 6000.0, {{0.0, RakenneVektori::kPinned}, {6000.0, RakenneVektori::kSlidingX}});
    SetLoads(P(), kQ);
    messages_ = RecordingMessages();
    page_ = std::make_unique<ResultsPage>(UiContext{project_.get(), &messages_, nullptr, nullptr});
    page_->resize(1100, 760);
    page_->show();
    Settle();
  }
  void cleanup() { page_.reset(); }

  void listsOfAHorizontalBeamWithVerticalLoadsAndTheirResets() {
    P().ResultKind = kResultN;  // not offered for this member: the first entry is taken
    P().ResultCase = 7;
    Show();
    QCOMPARE(Items(page_->TuloslajiCB()),
             (QStringList{"Mz (Momentti)", "Vy (Leikkausvoima)", QString::fromUtf8("Uy (Siirtymä)"),
                          "Tukireaktiot (KY)", "Tukireaktiot (KT)"}));
    QCOMPARE(page_->TuloslajiCB()->currentIndex(), 0);
    QCOMPARE(P().ResultKind, kResultMz);
    QCOMPARE(Items(page_->KTorKYCB()),
             (QStringList{QString::fromUtf8("KY1 (Jännitystarkastelu)"),
                          QString::fromUtf8("KY3 (Jännitystarkastelu)")}));
    QCOMPARE(P().ResultCase, 0);  // 7 was outside the list
    QCOMPARE(page_->KTorKYCB()->currentIndex(), 0);

    // The second stress combination is KY3.
    page_->KTorKYCB()->setCurrentIndex(1);
    QCOMPARE(P().ResultCase, 1);
    QCOMPARE(Chart()->title(), QString::fromUtf8("Mz (Momentti) [kNm], KY3 (Jännitystarkastelu)"));

    // Displacements list the deflection combination only; position 1 falls back to 0.
    ChooseKind(QString::fromUtf8("Uy (Siirtymä)"));
    QCOMPARE(Items(page_->KTorKYCB()), QStringList{QString::fromUtf8("KY2 (Siirtymätarkastelu)")});
    QCOMPARE(P().ResultCase, 0);
    QCOMPARE(Chart()->title(), QString::fromUtf8("Uy (Siirtymä) [mm], KY2 (Siirtymätarkastelu)"));

    ChooseKind(QStringLiteral("Tukireaktiot (KY)"));
    QCOMPARE(page_->KTorKYCB()->count(), 3);
    ChooseKind(QStringLiteral("Tukireaktiot (KT)"));
    QCOMPARE(Items(page_->KTorKYCB()), (QStringList{"G", "Q"}));

    // No deflection combination left: an empty list, position -1, and the chart says why.
    P().Loads.Combinations().RemoveCombination(1, false);
    P().ResultKind = kResultUy;
    Show();
    QCOMPARE(page_->KTorKYCB()->count(), 0);
    QCOMPARE(P().ResultCase, -1);
    QCOMPARE(Chart()->title(), QString::fromUtf8("Uy (Siirtymä) [mm]"));
    const QString none = QString::fromUtf8("Siirtymätarkastelun kuormitusyhdistelmiä ei ole!");
    QCOMPARE(page_->FootText(), none);
    QCOMPARE(TableLines(*page_).mid(0, 2),
             (QStringList{QString::fromUtf8("Uy (Siirtymä) [mm]"), none}));
    QCOMPARE(Series().size(), 5);
    QCOMPARE(Points(0), 0);
    QVERIFY(page_->MarkTexts().isEmpty());
  }

  void momentChartSeriesAxesAndMarks() {
    Show();
    // L = 6000, 40 divisions: step (6000 - 0.1) / 40, one bar of 40 steps, 41 points.
    QCOMPARE(Series().size(), 5);
    for (int i = 0; i < 4; ++i) QVERIFY(qobject_cast<QLineSeries*>(Series().at(i)) != nullptr);
    QVERIFY(qobject_cast<QScatterSeries*>(Series().at(4)) != nullptr);
    QCOMPARE(Points(0), 3 * 41);
    QCOMPARE(Points(1), 0);
    QCOMPARE(Points(2), 0);
    QCOMPARE(Points(3), 41);
    const auto* curve = static_cast<QLineSeries*>(Series().at(0));
    const auto* axisLine = static_cast<QLineSeries*>(Series().at(3));
    QCOMPARE(curve->pen().color(), QColor(Qt::red));
    QCOMPARE(axisLine->pen().color(), QColor(Qt::blue));
    QCOMPARE(axisLine->pen().width(), 2);
    // Hatched from the axis: at midspan (point 20) the curve goes v, 0, v with v = qL^2/8.
    const double m = kQ * 6000.0 * 6000.0 / 8.0 * 1e-6;
    QCOMPARE(curve->at(60), QPointF(3000.0, m));
    QCOMPARE(curve->at(61), QPointF(3000.0, 0.0));
    QCOMPARE(curve->at(62), QPointF(3000.0, m));
    // One marker, at the maximum; the ends carry zero moment.
    const auto* markers = static_cast<QScatterSeries*>(Series().at(4));
    QCOMPARE(markers->count(), 1);
    QCOMPARE(markers->at(0), QPointF(3000.0, m));
    QCOMPARE(markers->color(), QColor(Qt::red));
    QCOMPARE(page_->MarkTexts(), QStringList{"9.00"});

    QCOMPARE(Chart()->title(), QString::fromUtf8("Mz (Momentti) [kNm], KY1 (Jännitystarkastelu)"));
    QVERIFY(ValueAxis()->isReverse());
    QCOMPARE(ValueAxis()->titleText(), QStringLiteral("kNm"));
    QCOMPARE(Chart()->axes(Qt::Horizontal).first()->titleText(),
             QStringLiteral("mm (paikalliskoordinaatisto x)"));
    QVERIFY(!Chart()->legend()->isVisible());
    // Sagging moment on the tension side, below the axis; its mark below the marker.
    QVERIFY(At(3000.0, m).y() > At(3000.0, 0.0).y() + 20.0);
    QVERIFY(page_->MarkRects().at(0).top() > At(3000.0, m).y());
    QVERIFY(page_->FootText().isEmpty());
    MarksApartAndInside();
  }

  void valueAxisLabelsInTheChartFormat() {
    SetLoads(P(), 100.0 * kQ);  // 900 kNm: the labels reach thousands
    Show();
    auto* axis = qobject_cast<QCategoryAxis*>(ValueAxis());
    QVERIFY(axis != nullptr);
    const QStringList labels = axis->categoriesLabels();
    QVERIFY2(labels.contains(QStringLiteral("0.00")), qPrintable(labels.join('|')));
    QVERIFY2(labels.contains(QStringLiteral("1 000.00")), qPrintable(labels.join('|')));
    QVERIFY(!labels.contains(QStringLiteral("-0.00")));
    QCOMPARE(page_->MarkTexts(), QStringList{"900.00"});
    // Every label at its own value, the axis covering the values with room for the marks.
    QVERIFY(axis->min() < 0.0 && axis->max() > 900.0);
  }

  void shearAndDisplacementAxes() {
    Show();
    ChooseKind(QStringLiteral("Vy (Leikkausvoima)"));
    QVERIFY(ValueAxis()->isReverse());
    QCOMPARE(ValueAxis()->titleText(), QStringLiteral("kN"));
    // qL/2 = 6 kN at both ends, of opposite signs.
    QStringList marks = page_->MarkTexts();
    marks.sort();
    QCOMPARE(marks, (QStringList{"-6.00", "6.00"}));
    MarksApartAndInside();

    ChooseKind(QString::fromUtf8("Uy (Siirtymä)"));
    QVERIFY(!ValueAxis()->isReverse());
    QCOMPARE(ValueAxis()->titleText(), QStringLiteral("mm"));
    // B10: U1 (all loads) and U2 (variable loads), no third curve.
    QCOMPARE(Points(0), 3 * 41);
    QCOMPARE(Points(1), 3 * 41);
    QCOMPARE(Points(2), 0);
    QCOMPARE(Series().at(0)->name(), QStringLiteral("U1"));
    QCOMPARE(Series().at(1)->name(), QStringLiteral("U2"));
    QVERIFY(Chart()->legend()->isVisible());
    QVERIFY(Chart()->legend()->markers(Series().at(0)).first()->isVisible());
    QVERIFY(!Chart()->legend()->markers(Series().at(3)).first()->isVisible());
    // U1 at midspan: 5 q L^4 / (384 E I), the permanent load's stiffness; drawn downward.
    const double ei = P().SectionStiffness(1, 2);  // duration class 1: permanent
    QVERIFY(ei > 0.0);
    const double u = 5.0 * kQ * std::pow(6000.0, 4) / (384.0 * ei);
    const QPointF mid = static_cast<QXYSeries*>(Series().at(0))->at(60);
    QCOMPARE(mid.x(), 3000.0);
    QVERIFY2(std::fabs(mid.y() + u) < 0.005 * u, qPrintable(QString::number(mid.y())));
    QVERIFY(At(3000.0, mid.y()).y() > At(3000.0, 0.0).y() + 20.0);
    QVERIFY(TableLines(*page_).contains(QStringLiteral("U1 = Siirtymä kaikista kuormista")));
    MarksApartAndInside();
  }

  void ec5DisplacementsHaveThreeCurves() {
    P().DesignCode = qv::DesignCode::kEc5Env;
    P().ResultKind = kResultUy;
    Show();
    QCOMPARE(Points(0), 3 * 41);
    QCOMPARE(Points(1), 3 * 41);
    QCOMPARE(Points(2), 3 * 41);
    QCOMPARE(Series().at(0)->name(), QStringLiteral("U2,inst"));
    QCOMPARE(Series().at(1)->name(), QStringLiteral("U2,fin"));
    QCOMPARE(Series().at(2)->name(), QStringLiteral("Ufin"));
    QCOMPARE(TableRows(*page_).isEmpty(), false);
    QVERIFY(TableLines(*page_).contains(
        QStringLiteral("X [mm]\tU2,inst [mm]\tU2,fin [mm]\tUfin [mm]")));
  }

  void tableFollowsTheDisplaySwitch() {
    Show();
    QVERIFY(page_->TulosMaksimiRB()->isChecked());
    QVERIFY(!page_->TulosAllRB()->isChecked());
    QVERIFY(!page_->TulosTaulukkoRE()->document()->defaultTextOption().tabs().isEmpty());
    // Maxima: both ends (supports) and the midspan maximum qL^2/8.
    QCOMPARE(TableRows(*page_), (QStringList{"0\t0.000", "3000\t9.000", "6000\t0.000"}));

    QTest::mouseClick(page_->TulosAllRB(), Qt::LeftButton);
    QCOMPARE(page_->ShowAllFlag(), kShowAll);
    const QStringList all = TableRows(*page_);
    QCOMPARE(all.size(), 41);
    // M(x) = q x (L - x) / 2 at x = 1500: 6.75 kNm.
    QVERIFY(all.contains(QStringLiteral("1500\t6.750")));
    QCOMPARE(Series().size(), 5);  // the chart is drawn again, the same

    // The switch outlives a change of kind and a new visit.
    ChooseKind(QStringLiteral("Vy (Leikkausvoima)"));
    page_->Refresh();
    QVERIFY(page_->TulosAllRB()->isChecked());
    QCOMPARE(TableRows(*page_).size(), 41);
    QTest::mouseClick(page_->TulosMaksimiRB(), Qt::LeftButton);
    QCOMPARE(page_->ShowAllFlag(), kShowMaxima);
    QCOMPARE(TableRows(*page_).size(), 2);  // shear extremes sit at the ends
  }

  void switchBetweenChartAndReactions() {
    Show();
    QVERIFY(page_->ShowsChart());
    QVERIFY(!page_->ShowsPicture());
    QVERIFY(page_->TulosAllRB()->isVisible());

    ChooseKind(QStringLiteral("Tukireaktiot (KY)"));
    QVERIFY(!page_->ShowsChart());
    QVERIFY(page_->ShowsPicture());
    QVERIFY(page_->TuloskuvaPB()->isVisible());
    QVERIFY(!page_->TulosAllRB()->isVisible());
    QVERIFY(!page_->TulosMaksimiRB()->isVisible());
    // A pure downward load: only FY, qL/2 at each support.
    QCOMPARE(TableLines(*page_),
             (QStringList{QString::fromUtf8("Tukireaktiot, KY1 (Jännitystarkastelu)"),
                          "Tuki:\tFY [kN]:\t", "1\t6.00", "2\t6.00"}));
    QVERIFY(NonWhite(page_->TuloskuvaPB()->Render(500, 300)) > 100);
    QCOMPARE(Series().size(), 0);
    QVERIFY(page_->MarkTexts().isEmpty());

    ChooseKind(QStringLiteral("Tukireaktiot (KT)"));
    page_->KTorKYCB()->setCurrentIndex(1);  // Q carries nothing
    QCOMPARE(TableLines(*page_).at(0), QStringLiteral("Tukireaktiot, Kuormitustapaus = Q"));
    QCOMPARE(TableLines(*page_).at(2), QStringLiteral("1\t0.00"));

    ChooseKind(QStringLiteral("Mz (Momentti)"));
    QVERIFY(page_->ShowsChart());
    QVERIFY(!page_->ShowsPicture());
    QVERIFY(page_->TulosMaksimiRB()->isVisible());
    QCOMPARE(Series().size(), 5);
    // The picture stays blank behind a diagram.
    QCOMPARE(NonWhite(page_->TuloskuvaPB()->Render(200, 100)), 0);
  }

  void twoSpansWithACantilever() {
    // Supports at 0, 3500 and 7000, free end at 8500: bars of 3500, 3500 and 1500 mm.
    SetMember(P(), 8500.0,
              {{0.0, RakenneVektori::kPinned},
               {3500.0, RakenneVektori::kSlidingX},
               {7000.0, RakenneVektori::kSlidingX}});
    SetLoads(P(), kQ);
    Show();
    // Step (8500 - 0.1) / 40 = 212.4975: 16, 16 and 7 steps, 17 + 17 + 8 points, and the
    // moment's stationary point inside each of the two spans.
    QCOMPARE(Points(3), 44);
    QCOMPARE(Points(0), 3 * 44);
    // Hogging over the supports is drawn above the axis: the tension side is on top.
    const double cantilever = kQ * 1500.0 * 1500.0 / 2.0 * 1e-6;  // 2.25 kNm at x = 7000
    bool found = false;
    const auto* markers = static_cast<QScatterSeries*>(Series().at(4));
    for (int i = 0; i < markers->count(); ++i) {
      if (std::fabs(markers->at(i).x() - 7000.0) > 1e-6) continue;
      found = true;
      QVERIFY2(std::fabs(markers->at(i).y() + cantilever) < 1e-6,
               qPrintable(QString::number(markers->at(i).y())));
      QVERIFY(At(7000.0, markers->at(i).y()).y() < At(7000.0, 0.0).y());
    }
    QVERIFY(found);
    MarksApartAndInside();
    ChooseKind(QStringLiteral("Vy (Leikkausvoima)"));
    MarksApartAndInside();
    ChooseKind(QString::fromUtf8("Uy (Siirtymä)"));
    MarksApartAndInside();
  }

  void valueAxisDivisionsFitASmallChart() {
    // A category axis shortens labels that do not fit their division to "...": on a small
    // page the divisions must be fewer, each at least a label high.
    page_->resize(700, 420);
    Settle();
    Show();
    auto* axis = qobject_cast<QCategoryAxis*>(ValueAxis());
    QVERIFY(axis != nullptr);
    const int labels = axis->categoriesLabels().size();
    QVERIFY(labels >= 3);
    const double spacing = Chart()->plotArea().height() / (labels - 1);
    QVERIFY2(spacing >= QFontMetricsF(axis->labelsFont()).height(),
             qPrintable(QString::number(spacing)));
    QCOMPARE(page_->MarkTexts(), QStringList{"9.00"});
    MarksApartAndInside();
  }

  void installedInTheMainWindow() {
    page_.reset();
    test::FakeFileDialogs files;
    test::RecordingHelp help;
    TpaaikkunaFRM w(qv::test::ProgramPath(), std::string(), &messages_, &files, &help);
    w.SetAskOnClose(false);
    w.show();
    SetMember(w.Project(), 6000.0,
              {{0.0, RakenneVektori::kPinned}, {6000.0, RakenneVektori::kSlidingX}});
    SetLoads(w.Project(), kQ);
    w.PageControl1()->setCurrentIndex(static_cast<int>(MainPage::Tulokset));
    Settle();
    auto* page = qobject_cast<ResultsPage*>(w.Page(MainPage::Tulokset));
    QVERIFY(page != nullptr);
    QCOMPARE(page->objectName(), QStringLiteral("TuloksetTAB"));
    QCOMPARE(w.Project().AnalysisValid, 1);
    QCOMPARE(page->TuloslajiCB()->count(), 5);
    QCOMPARE(page->KayratChart()->chart()->title(),
             QString::fromUtf8("Mz (Momentti) [kNm], KY1 (Jännitystarkastelu)"));
    QCOMPARE(page->MarkTexts(), QStringList{"9.00"});
    QVERIFY(messages_.shown.empty());
  }
};

// The toolkit sets the process locale from the environment; under a decimal-comma locale the
// page's numbers must still be written with the program's decimal point.
int main(int argc, char** argv) {
  qputenv("LC_ALL", "fi_FI.UTF-8");
  QApplication app(argc, argv);
  ResultsPageTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}
#include "test_results_page.moc"
