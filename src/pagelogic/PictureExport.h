// Picture export rules: cropping bitmaps to a drawing's proportions, the picture dialogs'
// extensions, chart metafiles.
#pragma once

#include <string>

#include "ui/drawing/MetafileCanvas.h"

namespace qv {

struct ResultDiagram;

// The extension of the file name part of a path in lower case, with its dot (".wmf");
// empty when the name has none. Only ASCII letters are lowered.
std::string LowerExtension(const std::string& path);

// The bitmap of a drawing: produced only when both client sides are at least 6 pixels.
struct PictureCrop {
  bool produce = false;
  int width = 0;
  int height = 0;
};

// Crops a client area of W x H pixels to the proportions of a drawing whose world extent
// (margins included) is Wx x Wy: k = Wx / W; when Wy / H > k the height limits and
// W = ceil(Wx / (Wy / H)), otherwise H = ceil(Wy / k). The result never exceeds the
// client area; an extent that is not positive and finite leaves the client area
// uncropped. A bitmap the drawing would refuse to draw on (a side of 6 pixels or less
// after cropping) is not produced either: it would be an empty picture.
PictureCrop CropPicture(int clientWidth, int clientHeight, double worldWidth, double worldHeight);

// The results chart's save dialog: ".wmf" a plain metafile, ".emf" an enhanced one, any
// other extension saves nothing.
enum class ChartPictureFormat { None = 0, Wmf = 1, Emf = 2 };
ChartPictureFormat ChartPictureFormatFor(const std::string& path);

// Texts of the picture save dialogs.
struct PictureDialogTexts {
  std::string title = "Kuvan tallennus";
  std::string fileName;
  std::string filter;
  std::string defaultExtension;
  int filterIndex = 1;
};
PictureDialogTexts BitmapDialogTexts();
PictureDialogTexts MetafileDialogTexts();

// The results chart drawn into a metafile of width x height device pixels at the given
// resolution (pixels per millimetre), as file bytes; empty for ChartPictureFormat::None
// or a size below one pixel. Texts are measured by the measure when given (real font
// metrics), else estimated. The clipboard takes the Emf form.
std::string ResultDiagramMetafile(const ResultDiagram& diagram, int width, int height,
                                  double pixelsPerMm, ChartPictureFormat format,
                                  const MetafileCanvas::TextMeasure& measure = {});

// Saves the chart under the path in the format its extension names. 0 saved; -1 the
// extension names no metafile (nothing written); -2 the file could not be written (error
// gets the reason when given); -3 the size is below one pixel.
int SaveResultDiagramPicture(const std::string& path, const ResultDiagram& diagram, int width,
                             int height, double pixelsPerMm, std::string* error = nullptr,
                             const MetafileCanvas::TextMeasure& measure = {});

}  // namespace qv
