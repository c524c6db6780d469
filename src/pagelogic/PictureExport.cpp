// Picture export rules and the results chart as a metafile.
#include "pagelogic/PictureExport.h"

#include <cmath>

#include "pagelogic/ResultDiagram.h"
#include "ui/drawing/ResultDiagramDrawing.h"
#include "ui/drawing/MemberView.h"

namespace qv {

std::string LowerExtension(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return std::string();
  std::string ext = name.substr(dot);
  for (char& ch : ext)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return ext;
}

PictureCrop CropPicture(int clientWidth, int clientHeight, double worldWidth, double worldHeight) {
  PictureCrop crop;
  if (clientWidth < 6 || clientHeight < 6) return crop;
  crop.width = clientWidth;
  crop.height = clientHeight;
  if (std::isfinite(worldWidth) && std::isfinite(worldHeight) && worldWidth > 0.0 &&
      worldHeight > 0.0) {
    double k = worldWidth / clientWidth;
    if (worldHeight / clientHeight > k) {
      k = worldHeight / clientHeight;
      crop.width = static_cast<int>(std::min<double>(clientWidth, std::ceil(worldWidth / k)));
    } else {
      crop.height = static_cast<int>(std::min<double>(clientHeight, std::ceil(worldHeight / k)));
    }
  }
  crop.produce = SurfaceLargeEnough(crop.width, crop.height);
  return crop;
}

ChartPictureFormat ChartPictureFormatFor(const std::string& path) {
  const std::string ext = LowerExtension(path);
  if (ext == ".wmf") return ChartPictureFormat::Wmf;
  if (ext == ".emf") return ChartPictureFormat::Emf;
  return ChartPictureFormat::None;
}

PictureDialogTexts BitmapDialogTexts() {
  PictureDialogTexts t;
  t.fileName = "*.BMP";
  t.filter = "Bittikartta *.bmp|*.bmp";
  t.defaultExtension = "bmp";
  return t;
}

PictureDialogTexts MetafileDialogTexts() {
  PictureDialogTexts t;
  t.fileName = "*.WMF";
  t.filter = "Metafile *.wmf|*.wmf|Enhanced metafile *.emf|*.emf";
  t.defaultExtension = "wmf";
  return t;
}

std::string ResultDiagramMetafile(const ResultDiagram& diagram, int width, int height,
                                  double pixelsPerMm, ChartPictureFormat format,
                                  const MetafileCanvas::TextMeasure& measure) {
  if (format == ChartPictureFormat::None || width < 1 || height < 1) return std::string();
  MetafileCanvas canvas(width, height, pixelsPerMm);
  if (measure) canvas.SetTextMeasure(measure);
  canvas.SetDescription(diagram.title);
  DrawResultDiagram(&canvas, diagram, width, height);
  return format == ChartPictureFormat::Wmf ? canvas.WmfBytes() : canvas.EmfBytes();
}

int SaveResultDiagramPicture(const std::string& path, const ResultDiagram& diagram, int width,
                             int height, double pixelsPerMm, std::string* error,
                             const MetafileCanvas::TextMeasure& measure) {
  const ChartPictureFormat format = ChartPictureFormatFor(path);
  if (format == ChartPictureFormat::None) return -1;
  if (width < 1 || height < 1) return -3;
  const std::string bytes =
      ResultDiagramMetafile(diagram, width, height, pixelsPerMm, format, measure);
  return ReplaceFileBytes(path, bytes, error) ? 0 : -2;
}

}  // namespace qv
