// Picture export of the drawings: bitmaps of the structure and load drawings, the results chart as
// image, SVG or metafile.
#include "ui/PictureExportUi.h"

#include <QAction>
#include <QBuffer>
#include <QChartView>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include <cmath>
#include <functional>
#include <memory>

#include "pagelogic/LoadPage.h"
#include "pagelogic/PictureExport.h"
#include "pagelogic/ResultDiagram.h"
#include "ui/drawing/ResultDiagramDrawing.h"
#include "pagelogic/ResultsPage.h"
#include "project/QELVUX_data.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/PaintBox.h"
#include "ui/QtCanvas.h"
#include "ui/TpaaikkunaFRM.h"
#include "ui/ResultsPage.h"

namespace qv {

namespace {

constexpr const char* kPictureSaveFailed = "Kuvan tallennus epäonnistui:\n%s";
constexpr const char* kSvgFilter = "SVG-kuva *.svg|*.svg";
constexpr double kMmPerInch = 25.4;

std::string Formatted(const char* format, const std::string& arg) {
  std::string out(format);
  const auto at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, arg);
  return out;
}

std::string Bytes(const QByteArray& a) {
  return std::string(a.constData(), static_cast<std::size_t>(a.size()));
}

void SetResolution(QImage& image, double pixelsPerMmX, double pixelsPerMmY) {
  image.setDotsPerMeterX(static_cast<int>(std::lround(pixelsPerMmX * 1000.0)));
  image.setDotsPerMeterY(static_cast<int>(std::lround(pixelsPerMmY * 1000.0)));
}

FileDialogRequest RequestOf(const PictureDialogTexts& t) {
  FileDialogRequest r;
  r.title = t.title;
  r.fileName = t.fileName;
  r.filter = t.filter;
  r.filterIndex = t.filterIndex;
  r.defaultSuffix = t.defaultExtension;
  return r;
}

// 0 written; -1 with the "VIRHE" box shown.
int WriteOrTell(const UiContext& ui, const std::string& path, const std::string& bytes) {
  std::string error;
  if (ReplaceFileBytes(path, bytes, &error)) return 0;
  ui.messages->Inform(Formatted(kPictureSaveFailed, error.empty() ? path : path + "\n" + error),
                      kCaptionError, MessageIcon::Warning);
  return -1;
}

QByteArray BmpBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

// Texts of the metafiles measured with the fonts the screen uses.
TextSize MeasureText(const Font& font, const std::string& text) {
  const QFontMetricsF metrics(QtCanvas::ToQFont(font));
  return TextSize{metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

QImage DrawnMemberView(const PaintBox* box, const QELVUX_data& project, MemberViewKind kind) {
  if (!box) return QImage();
  return MemberDrawingPicture(project, kind, box->width(), box->height(), box->PixelsPerMmX(),
                              box->PixelsPerMmY());
}

bool ShowsDiagram(const UiContext& ui) { return IsDiagramKind(ui.project->ResultKind); }

double ChartPixelsPerMm(const ResultsPage* page) {
  return page->KayratChart()->logicalDpiX() / kMmPerInch;
}

QImage ReactionsImage(const ResultsPage* page) {
  const PaintBox* box = page->TuloskuvaPB();
  if (box->width() < 1 || box->height() < 1) return QImage();
  QImage image = box->Render(box->width(), box->height());
  SetResolution(image, box->PixelsPerMmX(), box->PixelsPerMmY());
  return image;
}

QAction* MenuItem(QMenu* menu, const char* name, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QLatin1String(name));
  return action;
}

// positionsIn: the widget the request's position is given in (the target itself by default).
void ShowMenuOn(QWidget* target, const std::function<QMenu*(QWidget*)>& make,
                QWidget* positionsIn = nullptr) {
  QWidget* from = positionsIn ? positionsIn : target;
  target->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(target, &QWidget::customContextMenuRequested, target,
                   [target, from, make](const QPoint& at) {
                     std::unique_ptr<QMenu> menu(make(target));
                     menu->exec(from->mapToGlobal(at));
                   });
}

}  // namespace

QImage MemberDrawingPicture(const QELVUX_data& project, MemberViewKind kind, int clientWidth,
                            int clientHeight, double pixelsPerMmX, double pixelsPerMmY) {
  const WorldBox world = MemberViewBox(project.Member, kind);
  const PictureCrop crop = CropPicture(clientWidth, clientHeight, world.Width(), world.Height());
  if (!crop.produce) return QImage();
  QImage image(crop.width, crop.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  SetResolution(image, pixelsPerMmX, pixelsPerMmY);
  QPainter painter(&image);
  QtCanvas canvas(painter, pixelsPerMmX, pixelsPerMmY);
  if (kind == MemberViewKind::Structure)
    DrawStructureView(&canvas, &project, crop.width, crop.height, 0);
  else
    DrawLoadPage(&canvas, &project, crop.width, crop.height, 0);
  return image;
}

QImage ResultDiagramImage(const ResultDiagram& diagram, int width, int height, double pixelsPerMm) {
  if (width < 1 || height < 1) return QImage();
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  SetResolution(image, pixelsPerMm, pixelsPerMm);
  QPainter painter(&image);
  QtCanvas canvas(painter, pixelsPerMm, pixelsPerMm);
  DrawResultDiagram(&canvas, diagram, width, height);
  return image;
}

QByteArray ResultDiagramSvg(const ResultDiagram& diagram, int width, int height,
                            double pixelsPerMm) {
  if (width < 1 || height < 1) return QByteArray();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(QSize(width, height));
  svg.setViewBox(QRect(0, 0, width, height));
  svg.setResolution(static_cast<int>(std::lround(pixelsPerMm * kMmPerInch)));
  svg.setTitle(QString::fromStdString(diagram.title));
  svg.setDescription(QString::fromUtf8(kProgramTitle));
  QPainter painter(&svg);
  QtCanvas canvas(painter, pixelsPerMm, pixelsPerMm);
  DrawResultDiagram(&canvas, diagram, width, height);
  painter.end();
  return bytes;
}

int SaveResultDiagramFile(const std::string& path, const ResultDiagram& diagram, int width,
                          int height, double pixelsPerMm, std::string* error) {
  if (LowerExtension(path) != ".svg")
    return SaveResultDiagramPicture(path, diagram, width, height, pixelsPerMm, error, MeasureText);
  if (width < 1 || height < 1) return -3;
  return ReplaceFileBytes(path, Bytes(ResultDiagramSvg(diagram, width, height, pixelsPerMm)), error)
             ? 0
             : -2;
}

int CopyMemberDrawing(const UiContext& ui, MemberViewKind kind, const PaintBox* box) {
  const QImage image = DrawnMemberView(box, *ui.project, kind);
  if (image.isNull()) return 1;
  QGuiApplication::clipboard()->setImage(image);
  return 0;
}

int SaveMemberDrawing(const UiContext& ui, MemberViewKind kind, const PaintBox* box) {
  std::string path;
  if (!ui.files->SaveFile(RequestOf(BitmapDialogTexts()), path)) return 1;
  const QImage image = DrawnMemberView(box, *ui.project, kind);
  if (image.isNull()) return 1;
  return WriteOrTell(ui, path, Bytes(BmpBytes(image)));
}

int CopyResultsPicture(const UiContext& ui, const ResultsPage* page) {
  if (!page) return 1;
  if (ShowsDiagram(ui)) {
    const QChartView* view = page->KayratChart();
    const double pxPerMm = ChartPixelsPerMm(page);
    const QImage image =
        ResultDiagramImage(page->Diagram(), view->width(), view->height(), pxPerMm);
    if (image.isNull()) return 1;
    auto* data = new QMimeData;
    data->setImageData(image);
    data->setData(QString::fromLatin1(kSvgMimeType),
                  ResultDiagramSvg(page->Diagram(), view->width(), view->height(), pxPerMm));
    QGuiApplication::clipboard()->setMimeData(data);
    return 0;
  }
  const QImage image = ReactionsImage(page);
  if (image.isNull()) return 1;
  QGuiApplication::clipboard()->setImage(image);
  return 0;
}

int SaveResultsPicture(const UiContext& ui, const ResultsPage* page) {
  if (!page) return 1;
  std::string path;
  if (ShowsDiagram(ui)) {
    PictureDialogTexts texts = MetafileDialogTexts();
    texts.filter += std::string("|") + kSvgFilter;
    if (!ui.files->SaveFile(RequestOf(texts), path)) return 1;
    const QChartView* view = page->KayratChart();
    std::string error;
    const int saved = SaveResultDiagramFile(path, page->Diagram(), view->width(), view->height(),
                                            ChartPixelsPerMm(page), &error);
    if (saved == 0) return 0;
    if (saved != -2) return 1;  // an extension naming no picture, or no room for one
    ui.messages->Inform(Formatted(kPictureSaveFailed, error.empty() ? path : path + "\n" + error),
                        kCaptionError, MessageIcon::Warning);
    return -1;
  }
  if (!ui.files->SaveFile(RequestOf(BitmapDialogTexts()), path)) return 1;
  const QImage image = ReactionsImage(page);
  if (image.isNull()) return 1;
  return WriteOrTell(ui, path, Bytes(BmpBytes(image)));
}

QMenu* MemberPictureMenu(PaintBox* box, const UiContext& ui, MemberViewKind kind, QWidget* parent) {
  const bool structure = kind == MemberViewKind::Structure;
  auto* menu = new QMenu(parent);
  menu->setObjectName(QLatin1String(structure ? "RakenneKuvaMenu" : "KuormaKuvaMenu"));
  QAction* copy =
      MenuItem(menu, structure ? "Kuvaleikepydlle3" : "Kuvaleikepydlle2", kPictureToClipboard);
  QAction* save = MenuItem(menu, structure ? "Kuvatiedostoon3" : "Kuvatiedostoon2", kPictureToFile);
  QObject::connect(copy, &QAction::triggered, menu,
                   [ui, kind, box] { CopyMemberDrawing(ui, kind, box); });
  QObject::connect(save, &QAction::triggered, menu,
                   [ui, kind, box] { SaveMemberDrawing(ui, kind, box); });
  return menu;
}

QMenu* ResultsPictureMenu(ResultsPage* page, const UiContext& ui, QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("TulosKuvaMenu"));
  QAction* copy = MenuItem(menu, "Kuvaleikepydlle1", kPictureToClipboardResults);
  QAction* save = MenuItem(menu, "Kuvatiedostoon1", kPictureToFile);
  QObject::connect(copy, &QAction::triggered, menu, [ui, page] { CopyResultsPicture(ui, page); });
  QObject::connect(save, &QAction::triggered, menu, [ui, page] { SaveResultsPicture(ui, page); });
  return menu;
}

void AddMemberPictureMenu(PaintBox* box, const UiContext& ui, MemberViewKind kind) {
  if (!box) return;
  ShowMenuOn(box,
             [box, ui, kind](QWidget* parent) { return MemberPictureMenu(box, ui, kind, parent); });
}

void AddResultsPictureMenu(ResultsPage* page, const UiContext& ui) {
  if (!page) return;
  const auto make = [page, ui](QWidget* parent) { return ResultsPictureMenu(page, ui, parent); };
  // The viewport passes its context menu request to the chart view, in its own coordinates.
  QChartView* chart = page->KayratChart();
  ShowMenuOn(chart, make, chart->viewport());
  ShowMenuOn(page->TuloskuvaPB(), make);
}

}  // namespace qv
