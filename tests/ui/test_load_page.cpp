// The "Kuormitus" page driven through its combo, tree, buttons, keys, switches and drawing.
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

#include "UiTestSupport.h"
#include "project/QELVUX_data.h"
#include "ui/LoadPage.h"
#include "ui/PaintBox.h"
#include "ui/TKuormatFRM.h"
#include "ui/drawing/MemberView.h"

using namespace qv;
using qv::test::RecordingMessages;

namespace {

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
  return n;
}

}  // namespace

class LoadPageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  std::unique_ptr<LoadPage> page_;
  std::vector<LoadDialogRequest> requests_;

  UiContext Ui() { return UiContext{project_.get(), &messages_, nullptr, nullptr}; }
  KuormaVektori& Loads() { return project_->Loads; }
  QString CurrentText() const {
    auto* item = page_->KuormaPuu()->currentItem();
    return item ? item->text(0) : QString();
  }
  // The node of the case with the text; -1 when there is none.
  int Node(int loadCase, const char* text) const {
    const LoadTree& tree = page_->Tree();
    for (std::size_t i = 0; i < tree.nodes.size(); ++i)
      if (tree.nodes[i].loadCase == loadCase && tree.nodes[i].text == text) return int(i);
    return -1;
  }
  void Select(int loadCase, const char* text) {
    const int node = Node(loadCase, text);
    QVERIFY2(node >= 0, text);
    page_->SelectNode(node);
    QCOMPARE(CurrentText(), QString::fromUtf8(text));
  }
  // Dialog stand-in: records the request and cancels.
  void Cancelling() {
    page_->SetLoadDialogRunner([this](const LoadDialogRequest& r) {
      requests_.push_back(r);
      return 0;
    });
  }
  // The real dialog, with a value typed into the given input before OK.
  void Typing(const char* combo, const char* value) {
    page_->SetLoadDialogRunner([this, combo, value](const LoadDialogRequest& r) {
      requests_.push_back(r);
      TKuormatFRM dialog(Ui(), r.loadCase, r.kind, r.loadIndex);
      dialog.findChild<QComboBox*>(QLatin1String(combo))->setCurrentText(QString::fromUtf8(value));
      return dialog.OkClicked() ? 1 : 0;
    });
  }
  DevicePoint Device(double worldX, double worldY) {
    PaintBox* box = page_->PaintBox2();
    ViewTransform view;
    view.SetResolution(box->PixelsPerMmX(), box->PixelsPerMmY());
    if (FitMemberView(view, nullptr, project_->Member, MemberViewKind::Loads, box->width(),
                      box->height()) != 0)
      qFatal("no view");
    return view.WorldToDevice(worldX, worldY);
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    messages_ = RecordingMessages();
    requests_.clear();
    page_ = std::make_unique<LoadPage>(Ui());
    page_->resize(1000, 560);
    page_->show();
    QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
    page_->Refresh();
  }
  void cleanup() { page_.reset(); }

  void comboAndTreeShowEveryCase() {
    QComboBox* combo = page_->CBktapaukset();
    QCOMPARE(combo->count(), 5);
    QCOMPARE(combo->itemText(0), QStringLiteral("Kaikki kuormitustapaukset"));
    QCOMPARE(combo->itemText(2), QString::fromUtf8("Hyötykuorma"));
    QCOMPARE(combo->currentIndex(), 0);
    QTreeWidget* tree = page_->KuormaPuu();
    QCOMPARE(tree->topLevelItemCount(), 4);
    QVERIFY(tree->topLevelItem(0)->text(0).startsWith(QStringLiteral("Omapaino (")));
    QVERIFY(tree->topLevelItem(0)->text(0).endsWith(QStringLiteral("):")));
    QCOMPARE(tree->topLevelItem(0)->childCount(), 3);
    QCOMPARE(tree->topLevelItem(0)->child(2)->text(0), QStringLiteral("PINTAKUORMAT: (0 kpl)"));
    QVERIFY(tree->topLevelItem(0)->isExpanded());
    QVERIFY(!tree->topLevelItem(0)->icon(0).isNull());
    QVERIFY(!tree->topLevelItem(0)->child(0)->icon(0).isNull());
    // No load selected: the first line-load group.
    QCOMPARE(CurrentText(), QStringLiteral("VIIVAKUORMAT: (0 kpl)"));
    QCOMPARE(tree->currentItem()->parent(), tree->topLevelItem(0));
    for (qv::LoadKind kind : qv::kLoadKinds) {
      QVERIFY(page_->KindButton(kind)->isCheckable());
      QVERIFY(page_->KindButton(kind)->isChecked());
    }
    QCOMPARE(page_->Panel14()->text(), QStringLiteral("(?,?)"));
  }

  // Refreshed with nothing changed, the tree keeps its items, the selection set again as a
  // fresh fill sets it; a group the user closed, or a changed line, fills it anew.
  void unchangedTreeKeepsItsItems() {
    QTreeWidget* tree = page_->KuormaPuu();
    QTreeWidgetItem* first = tree->topLevelItem(0);
    tree->setCurrentItem(first->child(2));
    page_->Refresh();
    QCOMPARE(tree->topLevelItem(0), first);
    QCOMPARE(CurrentText(), QStringLiteral("VIIVAKUORMAT: (0 kpl)"));

    tree->topLevelItem(2)->setExpanded(false);  // not the selection's case
    page_->Refresh();
    QVERIFY(tree->topLevelItem(2)->isExpanded());
    QCOMPARE(CurrentText(), QStringLiteral("VIIVAKUORMAT: (0 kpl)"));

    project_->Loads.Cases().SetText(0, 0, "Oma paino");
    page_->Refresh();
    QTreeWidgetItem* renamed = tree->topLevelItem(0);
    QVERIFY(renamed->text(0).startsWith(QStringLiteral("Oma paino (")));
    page_->Refresh();
    QCOMPARE(tree->topLevelItem(0), renamed);
  }

  void addingThroughTheTreeUsesTheDialog() {
    QSignalSpy changed(page_.get(), &LoadPage::ProjectChanged);
    Select(1, "VIIVAKUORMAT: (0 kpl)");
    Typing("ComboBox17", "-3");
    QTest::mouseClick(page_->findChild<QPushButton*>(QStringLiteral("LisaaNappi_kuorma")),
                      Qt::LeftButton);
    QCOMPARE(requests_.size(), std::size_t(1));
    QCOMPARE(requests_[0].loadCase, 1);
    QCOMPARE(requests_[0].kind, KuormaVektori::kLine);
    QCOMPARE(requests_[0].loadIndex, -1);
    QCOMPARE(Loads().Count(), 1);
    QCOMPARE(Loads().Q1(0), -3.0);
    QCOMPARE(changed.count(), 1);
    QVERIFY(Node(1, "VIIVAKUORMAT: (1 kpl)") >= 0);
    QCOMPARE(CurrentText(), QStringLiteral("1:  "));  // the new load, named with a blank
    QVERIFY(messages_.shown.empty());
    // Without a stored load the page still rebuilds and reports, but nothing changed.
    Cancelling();
    Select(1, "PISTEKUORMAT: (0 kpl)");
    QCOMPARE(page_->AddClicked(), 101);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(Loads().Count(), 1);
  }

  void commandsWithoutASuitableNodeDoNothing() {
    Cancelling();
    page_->SelectNode(0);  // a case node
    QVERIFY(CurrentText().startsWith(QStringLiteral("Omapaino")));
    QCOMPARE(page_->AddClicked(), 0);
    QCOMPARE(page_->ChangeClicked(), 0);
    QCOMPARE(page_->DeleteClicked(), 0);
    Select(0, "PISTEKUORMAT: (0 kpl)");
    QCOMPARE(page_->ChangeClicked(), 0);
    QCOMPARE(page_->DeleteClicked(), 0);
    QVERIFY(requests_.empty());
  }

  void changingThroughADetailLine() {
    Loads().AddLoad("A", 0, KuormaVektori::kPoint, 2, 1, -1000.0, 0.0, 1000.0, 0.0);
    const int b = Loads().AddLoad("B", 0, KuormaVektori::kPoint, 2, 1, -2000.0, 0.0, 2000.0, 0.0);
    page_->Refresh();
    Select(0, "Voima: -2.0 kN");
    QCOMPARE(Loads().CurrentIndex, b);
    Typing("ComboBox5", "-7,5");
    QCOMPARE(page_->ChangeClicked(), 102);
    QCOMPARE(requests_.back().loadIndex, b);
    QCOMPARE(Loads().Q1(b), -7500.0);
    QVERIFY(Node(0, "Voima: -7.5 kN") >= 0);
    QCOMPARE(CurrentText(), QStringLiteral("2: B"));
  }

  void deletingWithTheKeyAndTheButton() {
    QSignalSpy changed(page_.get(), &LoadPage::ProjectChanged);
    Loads().AddLoad("A", 0, KuormaVektori::kPoint, 2, 1, -1000.0, 0.0, 1000.0, 0.0);
    Loads().AddLoad("B", 0, KuormaVektori::kPoint, 2, 1, -2000.0, 0.0, 2000.0, 0.0);
    page_->Refresh();
    Select(0, "2: B");
    page_->KuormaPuu()->setFocus();
    QTest::keyClick(page_->KuormaPuu(), Qt::Key_Delete);
    QCOMPARE(Loads().Count(), 1);
    QCOMPARE(Loads().CurrentIndex, 0);  // the load before it
    QCOMPARE(CurrentText(), QStringLiteral("1: A"));
    QTest::mouseClick(page_->findChild<QPushButton*>(QStringLiteral("PoistaNappi_kuorma")),
                      Qt::LeftButton);
    QCOMPARE(Loads().Count(), 0);
    QCOMPARE(Loads().CurrentIndex, -1);
    QCOMPARE(CurrentText(), QStringLiteral("VIIVAKUORMAT: (0 kpl)"));
    QCOMPARE(changed.count(), 2);
  }

  void doubleClickAddsOnAGroupAndChangesALoad() {
    Loads().AddLoad("A", 2, KuormaVektori::kPoint, 2, 1, -1000.0, 0.0, 1000.0, 0.0);
    page_->Refresh();
    Cancelling();
    Select(2, "PINTAKUORMAT: (0 kpl)");
    QTreeWidget* tree = page_->KuormaPuu();
    const QPoint at = tree->visualItemRect(tree->currentItem()).center();
    // The view takes a double click only on the item its press went to.
    QTest::mousePress(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(requests_.size(), std::size_t(1));
    QCOMPARE(requests_[0].kind, KuormaVektori::kSurface);
    QCOMPARE(requests_[0].loadCase, 2);
    QCOMPARE(requests_[0].loadIndex, -1);
    Select(2, "1: A");
    QCOMPARE(page_->TreeDoubleClicked(), 102);
    QCOMPARE(requests_.back().loadIndex, 0);
  }

  void visibleCaseLimitsTheTreeAndTheAdds() {
    QComboBox* combo = page_->CBktapaukset();
    combo->setCurrentIndex(3);
    QCOMPARE(Loads().VisibleCase, 2);
    QCOMPARE(page_->KuormaPuu()->topLevelItemCount(), 1);
    QVERIFY(page_->KuormaPuu()->topLevelItem(0)->text(0).startsWith(QStringLiteral("Lumikuorma")));
    QCOMPARE(combo->currentIndex(), 3);
    Typing("ComboBox27", "-2");
    QCOMPARE(CurrentText(), QStringLiteral("VIIVAKUORMAT: (0 kpl)"));
    Select(2, "PINTAKUORMAT: (0 kpl)");
    QCOMPARE(page_->AddClicked(), 101);
    QCOMPARE(Loads().LoadCase(0), 2);
    QCOMPARE(Loads().Kind(0), KuormaVektori::kSurface);
    combo->setCurrentIndex(0);
    QCOMPARE(Loads().VisibleCase, -1);
    QCOMPARE(page_->KuormaPuu()->topLevelItemCount(), 4);
  }

  void kindButtonsSwitchTheirLoads() {
    QToolButton* points = page_->KindButton(KuormaVektori::kPoint);
    QTest::mouseClick(points, Qt::LeftButton);
    QVERIFY(!points->isChecked());
    QCOMPARE(Loads().ShowPointLoads, 0);
    QCOMPARE(Loads().ShowLineLoads, 1);
    QTest::mouseClick(page_->KindButton(KuormaVektori::kSurface), Qt::LeftButton);
    QCOMPARE(Loads().ShowSurfaceLoads, 0);
    QTest::mouseClick(points, Qt::LeftButton);
    QCOMPARE(Loads().ShowPointLoads, 1);
  }

  void pointerAndClicksOnTheDrawing() {
    const int p = Loads().AddLoad("P", 0, KuormaVektori::kPoint, 2, 1, -5000.0, 0.0, 4500.0, 0.0);
    const int q = Loads().AddLoad("q", 1, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 2000.0);
    page_->Refresh();
    const DevicePoint atP = Device(4500.0, 0.0);
    const QString text = page_->PointerMovedTo(atP.x, atP.y);
    QVERIFY2(text.startsWith(QStringLiteral("X = ")), qPrintable(text));
    QVERIFY(std::fabs(text.mid(4).toDouble() - 4500.0) < 60.0);
    QCOMPARE(page_->Panel14()->text(), text);

    page_->DrawingClicked(atP.x, atP.y);
    QCOMPARE(Loads().CurrentIndex, p);
    QCOMPARE(CurrentText(), QStringLiteral("1: P"));
    QVERIFY(page_->KuormaPuu()->hasFocus());
    const DevicePoint overQ = Device(1000.0, 0.0);
    page_->DrawingClicked(overQ.x, overQ.y);
    QCOMPARE(Loads().CurrentIndex, q);
    QCOMPARE(CurrentText(), QStringLiteral("1: q"));

    Cancelling();
    QTest::mouseDClick(page_->PaintBox2(), Qt::LeftButton, Qt::NoModifier,
                       QPoint(int(atP.x), int(atP.y)));
    QCOMPARE(requests_.size(), std::size_t(1));
    QCOMPARE(requests_[0].loadIndex, p);
    QCOMPARE(Loads().CurrentIndex, p);
    // A point load whose kind is switched off is not hit.
    QTest::mouseClick(page_->KindButton(KuormaVektori::kPoint), Qt::LeftButton);
    page_->DrawingClicked(overQ.x, overQ.y);
    page_->DrawingClicked(atP.x, atP.y);
    QCOMPARE(Loads().CurrentIndex, q);
  }

  void drawingHighlightsTheSelectedLoad() {
    Loads().AddLoad("P", 0, KuormaVektori::kPoint, 2, 1, -5000.0, 0.0, 3000.0, 0.0);
    page_->Refresh();
    const QRgb blue = qRgb(0, 0, 255), red = qRgb(255, 0, 0);
    QImage image = page_->PaintBox2()->Render(600, 300);
    QVERIFY(CountColour(image, blue) > 20);
    QCOMPARE(CountColour(image, red), 0);  // the member is hollow, nothing selected
    Select(0, "1: P");
    image = page_->PaintBox2()->Render(600, 300);
    QVERIFY(CountColour(image, red) > 20);
    const QImage tiny = page_->PaintBox2()->Render(6, 6);
    QCOMPARE(CountColour(tiny, qRgb(255, 255, 255)), 36);
  }

  void casesButtonCaptionFollowsTheFreeRoom() {
    QPushButton* button = page_->KTjaKYnappi();
    page_->resize(1200, 560);
    QTest::qWait(20);
    QCOMPARE(button->text(), QString::fromUtf8("Kuormitustapaukset ja -yhdistelmät..."));
    QCOMPARE(button->width(), 250);
    page_->resize(720, 560);
    QTest::qWait(20);
    QCOMPARE(button->text(), QStringLiteral("KT ja KY ..."));
    QVERIFY(button->width() < 190);
  }

  void casesDialogRefreshesThePage() {
    QSignalSpy changed(page_.get(), &LoadPage::ProjectChanged);
    page_->CBktapaukset()->setCurrentIndex(4);  // "Tuulikuorma"
    page_->SetCaseDialogRunner([this] { return Loads().RemoveLoadCase(3) == 0; });
    QTest::mouseClick(page_->KTjaKYnappi(), Qt::LeftButton);
    QCOMPARE(Loads().VisibleCase, -1);  // the shown case is gone: all are shown
    QCOMPARE(page_->CBktapaukset()->count(), 4);
    QCOMPARE(page_->CBktapaukset()->currentIndex(), 0);
    QCOMPARE(page_->KuormaPuu()->topLevelItemCount(), 3);
    QCOMPARE(changed.count(), 1);
    page_->SetCaseDialogRunner([] { return false; });  // Peruuta: nothing changed
    QTest::mouseClick(page_->KTjaKYnappi(), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);
  }
};

QTEST_MAIN(LoadPageTest)
#include "test_load_page.moc"
