// The paint widget shows its drawing from the picture it painted last only while the drawing
// is the same: every change, in what is drawn or in the size, is painted anew.
#include <QImage>
#include <QPixmap>
#include <QtTest>

#include <string>

#include "ui/PaintBox.h"
#include "ui/drawing/Canvas.h"

using namespace qv;

namespace {

struct Scene {
  double x = 20.0;           // where the bar stands
  Colour colour = 0x0000FF;  // red
  std::string text = "6000";
  int calls = 0;
};

void DrawScene(Scene& s, Canvas& c, int w, int h) {
  ++s.calls;
  c.SetPen(Pen{s.colour, 2, PenStyle::Solid});
  c.SetBrush(Brush{s.colour, BrushStyle::Solid});
  c.Polygon({{s.x, 10}, {s.x + 20, 10}, {s.x + 20, h - 10.0}, {s.x, h - 10.0}});
  c.Line({0, h / 2.0}, {static_cast<double>(w), h / 2.0});
  Font f = c.GetFont();
  f.height = 14.0;
  c.SetFont(f);
  c.SetBrush(Brush{0, BrushStyle::Clear});
  const TextSize t = c.TextExtent(s.text);
  c.Text({w - t.width - 2.0, 2.0}, s.text);  // right-aligned: needs the real text width
}

QImage Shown(PaintBox& box) { return box.grab().toImage().convertToFormat(QImage::Format_RGB32); }

QImage Direct(PaintBox& box) {
  return box.Render(box.width(), box.height()).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class PaintBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void showsWhatADirectDrawingDrawsAndFollowsEveryChange() {
    Scene scene;
    PaintBox box;
    box.resize(200, 120);
    box.SetDrawFunction([&scene](Canvas& c, int w, int h) { DrawScene(scene, c, w, h); });
    const QImage first = Shown(box);
    QCOMPARE(first, Direct(box));
    QCOMPARE(QColor(first.pixel(30, 30)), QColor(255, 0, 0));

    // Shown again unchanged: the same picture (the drawing is still asked for).
    const int calls = scene.calls;
    QCOMPARE(Shown(box), first);
    QVERIFY(scene.calls > calls);

    // Each kind of change reaches the screen.
    scene.x = 100.0;
    box.update();
    QImage moved = Shown(box);
    QCOMPARE(moved, Direct(box));
    QCOMPARE(QColor(moved.pixel(30, 30)), QColor(Qt::white));
    QCOMPARE(QColor(moved.pixel(110, 30)), QColor(255, 0, 0));

    scene.colour = 0xFF0000;  // blue, same place
    box.update();
    const QImage recoloured = Shown(box);
    QCOMPARE(QColor(recoloured.pixel(110, 30)), QColor(0, 0, 255));

    scene.text = "60000";  // longer text, further left
    box.update();
    const QImage retexted = Shown(box);
    QVERIFY(retexted != recoloured);
    QCOMPARE(retexted, Direct(box));

    box.resize(260, 150);
    const QImage resized = Shown(box);
    QCOMPARE(resized.size(), QSize(260, 150));
    QCOMPARE(resized, Direct(box));
  }

  // A picture worked out while the widget is hidden is the one a direct drawing draws, and
  // a drawing changed before the widget shows is painted anew, not the prepared one shown.
  void preparedPictureShowsOnlyWhileTheDrawingIsTheSame() {
    Scene scene;
    {
      PaintBox box;
      box.resize(200, 120);
      box.SetDrawFunction([&scene](Canvas& c, int w, int h) { DrawScene(scene, c, w, h); });
      box.Prepare();
      box.Prepare();  // the first one's picture is taken over, the second keeps it
      const QImage shown = Shown(box);
      QCOMPARE(shown, Direct(box));
      QCOMPARE(QColor(shown.pixel(30, 30)), QColor(255, 0, 0));

      scene.x = 100.0;
      box.Prepare();
      scene.x = 140.0;  // changed again before it shows
      const QImage moved = Shown(box);
      QCOMPARE(moved, Direct(box));
      QCOMPARE(QColor(moved.pixel(110, 30)), QColor(Qt::white));
      QCOMPARE(QColor(moved.pixel(150, 30)), QColor(255, 0, 0));

      scene.colour = 0xFF0000;
      box.Prepare();  // gone with its widget before it is ever shown
    }
    PaintBox empty;
    empty.resize(80, 60);
    empty.Prepare();  // no drawing: white paper as before
    QCOMPARE(QColor(Shown(empty).pixel(30, 30)), QColor(Qt::white));
  }

  void noDrawingIsWhitePaper() {
    PaintBox box;
    box.resize(80, 60);
    const QImage empty = Shown(box);
    QCOMPARE(QColor(empty.pixel(40, 30)), QColor(Qt::white));
    Scene scene;
    box.SetDrawFunction([&scene](Canvas& c, int w, int h) { DrawScene(scene, c, w, h); });
    QCOMPARE(QColor(Shown(box).pixel(30, 30)), QColor(255, 0, 0));
    box.SetDrawFunction(nullptr);
    QCOMPARE(QColor(Shown(box).pixel(30, 30)), QColor(Qt::white));
  }
};

QTEST_MAIN(PaintBoxTest)
#include "test_paintbox.moc"
