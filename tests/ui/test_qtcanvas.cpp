// The QPainter canvas draws what the drawing layer asks, where it asks; the file-dialog filters.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "UiTestSupport.h"
#include "ui/QtCanvas.h"
#include "ui/drawing/ViewTransform.h"

using namespace qv;

namespace {

QImage Paper(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

}  // namespace

class QtCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void coloursKeepRedInTheLowByte() {
    QCOMPARE(QtCanvas::ToQColor(0x0000FF), QColor(255, 0, 0));
    QCOMPARE(QtCanvas::ToQColor(0xFF0000), QColor(0, 0, 255));
    QCOMPARE(QtCanvas::ToQColor(0x00FFFF), QColor(255, 255, 0));
    QCOMPARE(QtCanvas::ToQBrush(Brush{0, BrushStyle::Clear}).style(), Qt::NoBrush);
    QCOMPARE(QtCanvas::ToQBrush(Brush{0, BrushStyle::DiagonalHatch}).style(), Qt::BDiagPattern);
    QCOMPARE(QtCanvas::ToQPen(Pen{0, 1, PenStyle::None}).style(), Qt::NoPen);
    QCOMPARE(QtCanvas::ToQPen(Pen{0, 0, PenStyle::Dash}).style(), Qt::DashLine);
  }

  void primitivesLandOnTheirDevicePixels() {
    QImage image = Paper(100, 60);
    {
      QPainter painter(&image);
      QtCanvas c(painter);
      c.SetPen(Pen{0x000000, 1, PenStyle::None});
      c.SetBrush(Brush{0x0000FF, BrushStyle::Solid});
      c.Polygon({{10, 10}, {40, 10}, {40, 40}, {10, 40}});
      c.SetBrush(Brush{0xFF0000, BrushStyle::Solid});
      c.Ellipse(60, 10, 90, 40);
      c.SetBrush(Brush{0, BrushStyle::Clear});
      c.Polygon({{10, 45}, {40, 45}, {40, 58}, {10, 58}});  // no pen, no brush: invisible
    }
    QCOMPARE(At(image, 25, 25), 0xFF0000u);  // red polygon (QRgb is 0xRRGGBB)
    QCOMPARE(At(image, 75, 25), 0x0000FFu);  // blue ellipse
    QCOMPARE(At(image, 61, 11), 0xFFFFFFu);  // outside the ellipse's curve
    QCOMPARE(At(image, 25, 50), 0xFFFFFFu);
  }

  void textSitsBelowItsTopLeftCornerAndMeasuresItself() {
    QImage image = Paper(200, 60);
    TextSize size;
    {
      QPainter painter(&image);
      QtCanvas c(painter);
      Font f = c.GetFont();
      f.height = 20.0;
      c.SetFont(f);
      c.SetBrush(Brush{0, BrushStyle::Clear});
      size = c.TextExtent("6000");
      c.Text({50, 30}, "6000");
      QVERIFY(c.TextExtent("60000").width > size.width);
    }
    QVERIFY(size.width > 10 && size.height >= 15 && size.height <= 30);
    int inkAbove = 0, inkBelow = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (At(image, x, y) != 0xFFFFFFu) (y < 30 ? inkAbove : inkBelow)++;
    QCOMPARE(inkAbove, 0);
    QVERIFY(inkBelow > 20);
  }

  // Thick outlines and polylines are drawn segment by segment: the corners must still be
  // closed and a clear outline must stay clear inside.
  void thickOutlinesKeepTheirCornersAndClearInside() {
    QImage image = Paper(120, 80);
    {
      QPainter painter(&image);
      QtCanvas c(painter);
      c.SetPen(Pen{0x000000, 3, PenStyle::Solid});
      c.SetBrush(Brush{0, BrushStyle::Clear});
      c.Polygon({{10, 10}, {50, 10}, {50, 50}, {10, 50}});
      c.Polyline({{70, 10}, {110, 10}, {110, 50}});
    }
    for (const QPoint corner :
         {QPoint(10, 10), QPoint(50, 10), QPoint(50, 50), QPoint(10, 50), QPoint(110, 10)}) {
      QVERIFY2(qGray(image.pixel(corner)) < 60, "corner left open");
      // The outer edge of the corner square is inked as well (no notch).
      const int dx = corner.x() == 10 ? -1 : 1;
      const int dy = corner.y() == 10 ? -1 : 1;
      QVERIFY2(qGray(image.pixel(corner + QPoint(dx, dy))) < 160, "notch at the corner");
    }
    QCOMPARE(At(image, 30, 30), 0xFFFFFFu);  // clear brush: nothing inside
    QCOMPARE(At(image, 90, 30), 0xFFFFFFu);  // an open polyline is not closed
    QCOMPARE(At(image, 68, 10), 0xFFFFFFu);  // the free end gets no cap past its point
  }

  // A text changes the painter's pen to its font colour; the next line must not take it.
  void shapesAfterATextKeepTheirOwnPenAndFonts() {
    QImage image = Paper(200, 80);
    TextSize small, large, smallAgain;
    {
      QPainter painter(&image);
      QtCanvas c(painter);
      c.SetPen(Pen{0x0000FF, 1, PenStyle::Solid});  // red
      c.SetBrush(Brush{0, BrushStyle::Clear});
      c.Line({10, 60.5}, {190, 60.5});  // on the pixel row, not between two
      c.SetFontColour(0xFF0000);        // blue text
      c.Text({10, 5}, "6000");
      c.Line({10, 70.5}, {190, 70.5});
      Font f = c.GetFont();
      f.height = 10.0;
      c.SetFont(f);
      small = c.TextExtent("12345");
      f.height = 30.0;
      c.SetFont(f);
      large = c.TextExtent("12345");
      f.height = 10.0;
      c.SetFont(f);
      smallAgain = c.TextExtent("12345");
    }
    QCOMPARE(At(image, 100, 60), 0xFF0000u);
    QCOMPARE(At(image, 100, 70), 0xFF0000u);
    QVERIFY(large.width > 2.0 * small.width && large.height > 2.0 * small.height);
    QCOMPARE(smallAgain.width, small.width);
    QCOMPARE(smallAgain.height, small.height);
  }

  // A line drawn again right after itself is left out, but never one that should come out
  // on top of a shape drawn in between, nor one in another pen.
  void repeatedLinesStillEndOnTop() {
    QImage image = Paper(100, 60);
    {
      QPainter painter(&image);
      QtCanvas c(painter);
      c.SetPen(Pen{0x0000FF, 1, PenStyle::Solid});  // red
      c.Line({10, 20.5}, {90, 20.5});
      c.Line({10, 20.5}, {90, 20.5});
      c.SetPen(Pen{0x000000, 1, PenStyle::None});
      c.SetBrush(Brush{0xFF0000, BrushStyle::Solid});  // blue block over the line
      c.Polygon({{30, 10}, {70, 10}, {70, 50}, {30, 50}});
      c.SetPen(Pen{0x0000FF, 1, PenStyle::Solid});
      c.Line({10, 20.5}, {90, 20.5});  // red again, over the block
      c.Line({10, 40.5}, {90, 40.5});
      c.SetPen(Pen{0x00FF00, 1, PenStyle::Solid});  // green, same place
      c.Line({10, 40.5}, {90, 40.5});
    }
    QCOMPARE(At(image, 50, 20), 0xFF0000u);
    QCOMPARE(At(image, 50, 40), 0x00FF00u);
    QCOMPARE(At(image, 50, 30), 0x0000FFu);
  }

  // Texts wholly off the surface are skipped; one reaching in from an edge is drawn.
  void textsReachingInFromAnEdgeAreDrawn() {
    QImage image = Paper(100, 40);
    {
      QPainter painter(&image);
      QtCanvas c(painter);
      Font f = c.GetFont();
      f.height = 20.0;
      c.SetFont(f);
      c.SetBrush(Brush{0, BrushStyle::Clear});
      const double w = c.TextExtent("8888").width;
      c.Text({-w + 6.0, 10}, "8888");  // only the last few pixels inside
      c.Text({-w - 50.0, 10}, "8888");
      c.Text({10, -100}, "8888");
    }
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < 8; ++x)
        if (At(image, x, y) != 0xFFFFFFu) ++ink;
    QVERIFY(ink > 0);
    int inkElsewhere = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 10; x < image.width(); ++x)
        if (At(image, x, y) != 0xFFFFFFu) ++inkElsewhere;
    QCOMPARE(inkElsewhere, 0);
  }

  // A text handed its measured width draws the same pixels as one measured by the canvas,
  // its filled box included, also where it reaches in from the top or bottom edge.
  void measuredTextsDrawAsTextsDo() {
    const auto draw = [](bool measured) {
      QImage image = Paper(120, 40);
      QPainter painter(&image);
      QtCanvas c(painter);
      Font f = c.GetFont();
      f.height = 16.0;
      c.SetFont(f);
      for (const DevicePoint at : {DevicePoint{5, 5}, DevicePoint{40, -12}, DevicePoint{70, 30}}) {
        c.SetBrush(at.x < 50 ? Brush{0x00FFFF, BrushStyle::Solid} : Brush{0, BrushStyle::Clear});
        const std::string text = "q12";
        if (measured) {
          c.MeasuredText(at, text, c.TextExtent(text).width);
        } else {
          c.Text(at, text);
        }
      }
      painter.end();
      return image;
    };
    const QImage measured = draw(true);
    QCOMPARE(measured, draw(false));
    QVERIFY(At(measured, 45, 0) != 0xFFFFFFu);  // the box reaching in from above
    int inkBelow = 0;                           // the text reaching out below
    for (int y = 30; y < measured.height(); ++y)
      for (int x = 70; x < measured.width(); ++x)
        if (At(measured, x, y) != 0xFFFFFFu) ++inkBelow;
    QVERIFY(inkBelow > 0);
  }

  void viewTransformDrawsAWorldLineThroughTheCanvas() {
    QImage image = Paper(200, 100);
    {
      QPainter painter(&image);
      QtCanvas c(painter, 10.0, 10.0);
      ViewTransform view(&c);
      QCOMPARE(view.BeginView(&c, DeviceRect{0, 0, 199, 99}, 0, 0, 2000, 1000), 0);
      c.SetPen(Pen{0x000000, 3, PenStyle::Solid});
      view.DrawLine(&c, 0, 500, 2000, 500);  // across the middle
      view.EndView(&c);
    }
    QVERIFY(qGray(image.pixel(100, 50)) < 100 || qGray(image.pixel(100, 49)) < 100);
    QCOMPARE(At(image, 100, 20), 0xFFFFFFu);
  }

  void resolutionFollowsTheDevice() {
    QImage image = Paper(10, 10);
    image.setDotsPerMeterX(4000);
    image.setDotsPerMeterY(4000);
    QVERIFY(std::fabs(QtCanvas::PixelsPerMmX(&image) - 4.0) < 0.05);
    QVERIFY(std::fabs(QtCanvas::PixelsPerMmX(nullptr) - 96.0 / 25.4) < 1e-9);
  }

  void fileFiltersInQtForm() {
    QCOMPARE(QtFilterText("Lähtötiedostot|*.vux"), std::string("Lähtötiedostot (*.vux)"));
    QCOMPARE(QtFilterText("Kuvat|*.bmp;*.emf|Kaikki|*.*"),
             std::string("Kuvat (*.bmp *.emf);;Kaikki (*.*)"));
    QCOMPARE(QtFilterEntry("Kuvat|*.bmp|Kaikki|*.*", 2), std::string("Kaikki (*.*)"));
    QCOMPARE(QtFilterEntry("Kuvat|*.bmp|Kaikki|*.*", 9), std::string("Kuvat (*.bmp)"));
    QCOMPARE(QtFilterText(""), std::string());
  }
};

QTEST_MAIN(QtCanvasTest)
#include "test_qtcanvas.moc"
