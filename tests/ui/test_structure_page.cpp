// The "Rakenne" page driven through its tree, buttons, keys and drawing.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

#include <cmath>
#include <memory>

#include "UiTestSupport.h"
#include "project/QELVUX_data.h"
#include "ui/PaintBox.h"
#include "ui/StructurePage.h"
#include "ui/TRakenneFRM.h"
#include "ui/drawing/MemberView.h"

using namespace qv;
using qv::test::RecordingMessages;

namespace {

int NodeWithText(const StructureTree& tree, const std::string& text) {
  for (std::size_t i = 0; i < tree.nodes.size(); ++i)
    if (tree.nodes[i].text == text) return static_cast<int>(i);
  return -1;
}

int NodeStartingWith(const StructureTree& tree, const std::string& start) {
  for (std::size_t i = 0; i < tree.nodes.size(); ++i)
    if (tree.nodes[i].text.rfind(start, 0) == 0) return static_cast<int>(i);
  return -1;
}

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++n;
  return n;
}

}  // namespace

class StructurePageTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QELVUX_data> project_;
  RecordingMessages messages_;
  std::unique_ptr<StructurePage> page_;
  struct Call {
    int mode, index;
  };
  std::vector<Call> calls_;

  UiContext Ui() { return UiContext{project_.get(), &messages_, nullptr, nullptr}; }
  RakenneVektori& Member() { return project_->Member; }
  QString CurrentText() const {
    auto* item = page_->GeometriaPuu()->currentItem();
    return item ? item->text(0) : QString();
  }
  // Dialog stand-in: records the call and cancels.
  void Cancelling() {
    page_->SetDialogRunner([this](int mode, int index) {
      calls_.push_back({mode, index});
      return 0;
    });
  }

 private slots:
  void init() {
    project_ = std::make_unique<QELVUX_data>(qv::test::ProgramPath());
    messages_ = RecordingMessages();
    calls_.clear();
    page_ = std::make_unique<StructurePage>(Ui());
    page_->resize(900, 500);
    page_->show();
    page_->Refresh();
  }
  void cleanup() { page_.reset(); }

  void treeShowsTheResetMember() {
    QTreeWidget* tree = page_->GeometriaPuu();
    QCOMPARE(tree->topLevelItemCount(), 3);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("RAKENNE:"));
    QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("TUET: (2 kpl)"));
    QCOMPARE(tree->topLevelItem(2)->text(0), QStringLiteral("NIVELET: (0 kpl)"));
    QCOMPARE(tree->topLevelItem(1)->childCount(), 2);
    QCOMPARE(tree->topLevelItem(2)->childCount(), 0);
    QCOMPARE(tree->topLevelItem(1)->child(1)->child(0)->text(0), QStringLiteral("x = 6000 mm"));
    QCOMPARE(tree->topLevelItem(1)->child(1)->child(1)->text(0), QStringLiteral("Niveltuki"));
    QVERIFY(tree->topLevelItem(1)->child(1)->isExpanded());
    QVERIFY(!tree->topLevelItem(0)->icon(0).isNull());
    QVERIFY(!tree->topLevelItem(1)->child(0)->icon(0).isNull());
    QVERIFY(tree->topLevelItem(1)->child(0)->child(1)->icon(0).isNull());
    QCOMPARE(CurrentText(), QStringLiteral("Palkki"));  // CurrentIndex -1: the member
    QCOMPARE(page_->Panel13()->text(), QStringLiteral("(?,?)"));
  }

  void selectingANodeSelectsItsPoint() {
    const StructureTree& tree = page_->Tree();
    page_->SelectNode(NodeStartingWith(tree, "2: "));
    QCOMPARE(Member().CurrentIndex, 1);
    page_->SelectNode(NodeWithText(tree, "x = 0 mm"));  // a line of the first support
    QCOMPARE(Member().CurrentIndex, 0);
    page_->SelectNode(NodeWithText(tree, "NIVELET: (0 kpl)"));  // group nodes leave it
    QCOMPARE(Member().CurrentIndex, 0);
  }

  void addingASupportThroughTheTreeUsesTheDialog() {
    page_->SelectNode(NodeWithText(page_->Tree(), "TUET: (2 kpl)"));
    QString caption;
    page_->SetDialogRunner([&](int mode, int index) {
      TRakenneFRM dialog(Ui(), mode, index);
      caption = dialog.windowTitle();
      return dialog.OkClicked() ? 1 : 0;  // the proposal as it stands
    });
    QTest::mouseClick(page_->findChild<QPushButton*>(QStringLiteral("LisaaNappi_rakenne")),
                      Qt::LeftButton);
    QCOMPARE(caption, QStringLiteral("Uuden tuen määrittely"));
    QCOMPARE(Member().CountOfKind(RakenneVektori::kSupport), 3);
    QCOMPARE(Member().X(1), 3000.0);  // 0 and L are taken: L/2
    QCOMPARE(Member().CurrentIndex, 1);
    QCOMPARE(page_->GeometriaPuu()->topLevelItem(1)->text(0), QStringLiteral("TUET: (3 kpl)"));
    QCOMPARE(CurrentText(), QStringLiteral("2:  "));
    QVERIFY(messages_.shown.empty());
  }

  void addOnTheMemberGroupOpensNothing() {
    Cancelling();
    page_->SelectNode(NodeWithText(page_->Tree(), "RAKENNE:"));
    QCOMPARE(page_->AddClicked(), 0);
    QVERIFY(calls_.empty());
  }

  void editOnAGroupNodeAddsAndOnAPointChangesIt() {
    Cancelling();
    page_->SelectNode(NodeWithText(page_->Tree(), "NIVELET: (0 kpl)"));
    QCOMPARE(page_->EditClicked(), 0);
    page_->SelectNode(NodeStartingWith(page_->Tree(), "2: "));
    page_->EditClicked();
    page_->SelectNode(NodeWithText(page_->Tree(), "Palkki"));
    page_->EditClicked();
    QCOMPARE(calls_.size(), std::size_t(3));
    QCOMPARE(calls_[0].mode, 3);
    QCOMPARE(calls_[0].index, -1);
    QCOMPARE(calls_[1].mode, 2);
    QCOMPARE(calls_[1].index, 1);
    QCOMPARE(calls_[2].mode, 1);
    QCOMPARE(Member().Count(), 2);  // cancelled: nothing changed
  }

  void deleteKeyRemovesTheSelectedPointOnly() {
    page_->SelectNode(NodeWithText(page_->Tree(), "Palkki"));
    QTest::keyClick(page_->GeometriaPuu(), Qt::Key_Delete);
    QCOMPARE(Member().Count(), 2);  // the member cannot be deleted

    page_->SelectNode(NodeStartingWith(page_->Tree(), "2: "));
    QTest::keyClick(page_->GeometriaPuu(), Qt::Key_Delete);
    QCOMPARE(Member().Count(), 1);
    QCOMPARE(Member().X(0), 0.0);
    QCOMPARE(Member().CurrentIndex, 0);  // the point before it
    QCOMPARE(page_->GeometriaPuu()->topLevelItem(1)->text(0), QStringLiteral("TUET: (1 kpl)"));
    QCOMPARE(CurrentText(), QStringLiteral("1:  "));

    QTest::mouseClick(page_->findChild<QPushButton*>(QStringLiteral("PoistaNappi_rakenne")),
                      Qt::LeftButton);
    QCOMPARE(Member().Count(), 0);
    QCOMPARE(Member().CurrentIndex, -1);
    QCOMPARE(CurrentText(), QStringLiteral("Palkki"));
  }

  void pointerClickAndDoubleClickOnTheDrawing() {
    PaintBox* box = page_->PaintBox1();
    ViewTransform view;
    view.SetResolution(box->PixelsPerMmX(), box->PixelsPerMmY());
    QCOMPARE(FitMemberView(view, nullptr, Member(), MemberViewKind::Structure, box->width(),
                           box->height()),
             0);
    const DevicePoint end = view.WorldToDevice(6000.0, 0.0);
    const DevicePoint middle = view.WorldToDevice(3000.0, 0.0);

    const QString text = page_->PointerMovedTo(end.x, end.y);
    QVERIFY2(text.startsWith(QStringLiteral("X = ")), qPrintable(text));
    QVERIFY(std::fabs(text.mid(4).toDouble() - 6000.0) < 60.0);
    QCOMPARE(page_->Panel13()->text(), text);

    page_->DrawingClicked(end.x, end.y);
    QCOMPARE(Member().CurrentIndex, 1);
    QCOMPARE(CurrentText(), QStringLiteral("2:  "));
    page_->DrawingClicked(middle.x, middle.y);  // far from every point: the member
    QCOMPARE(Member().CurrentIndex, -1);
    QCOMPARE(CurrentText(), QStringLiteral("Palkki"));

    Cancelling();
    const DevicePoint start = view.WorldToDevice(0.0, 0.0);
    QTest::mouseDClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(int(start.x), int(start.y)));
    QCOMPARE(calls_.size(), std::size_t(1));
    QCOMPARE(calls_[0].mode, 2);
    QCOMPARE(calls_[0].index, 0);
    QCOMPARE(Member().CurrentIndex, 0);
  }

  void drawingShowsTheMemberAndItsSupports() {
    const QImage image = page_->PaintBox1()->Render(600, 300);
    QVERIFY(CountColour(image, qRgb(255, 255, 0)) > 200);  // the yellow band
    QVERIFY(CountColour(image, qRgb(255, 0, 0)) > 20);     // red supports
    const QImage tiny = page_->PaintBox1()->Render(5, 5);
    QCOMPARE(CountColour(tiny, qRgb(255, 255, 255)), 25);  // too small to draw on
  }
};

QTEST_MAIN(StructurePageTest)
#include "test_structure_page.moc"
