// Canvas that keeps what is drawn and writes it as a Windows Metafile (.wmf) or an Enhanced
// Metafile (.emf).
#pragma once

#include "model/TextCodec.h"

#include <functional>
#include <string>
#include <vector>

#include "ui/drawing/Canvas.h"
#include "ui/drawing/RecordingCanvas.h"

namespace qv {

// A picture of width x height device pixels. Each call is kept with the pen, brush and
// font in force; the writers turn the calls into metafile records. Metafile coordinates
// are a whole number of units per millimetre (50, fewer only for a picture too large for
// 16-bit coordinates), so the picture keeps its size in millimetres.
class MetafileCanvas : public Canvas {
 public:
  static constexpr double kScreenPixelsPerMm = 96.0 / 25.4;
  using TextMeasure = std::function<TextSize(const Font&, const std::string&)>;

  MetafileCanvas(int width, int height, double pixelsPerMm = kScreenPixelsPerMm);

  double PixelsPerMmX() const override { return pxPerMm_; }
  double PixelsPerMmY() const override { return pxPerMm_; }

  void Line(DevicePoint from, DevicePoint to) override;
  void Polyline(const std::vector<DevicePoint>& points) override;
  void Ellipse(double left, double top, double right, double bottom) override;
  void Polygon(const std::vector<DevicePoint>& points) override;
  void Text(DevicePoint topLeft, const std::string& text) override;
  // The measure given by SetTextMeasure, else EstimateTextExtent.
  TextSize TextExtent(const std::string& text) const override;

  // Lets a caller with real font metrics (the Qt shell) measure texts.
  void SetTextMeasure(TextMeasure measure) { measure_ = std::move(measure); }
  // A sans-serif estimate from character classes: no font files needed.
  static TextSize EstimateTextExtent(const Font& font, const std::string& text);

  // Second part of the enhanced metafile's description (the first is the program).
  void SetDescription(const std::string& text) { description_ = text; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Metafile units per millimetre of the picture and per device pixel.
  int UnitsPerMm() const { return unitsPerMm_; }
  double UnitsPerPixel() const { return unitsPerMm_ / pxPerMm_; }
  // Picture size in metafile units.
  int UnitWidth() const;
  int UnitHeight() const;
  // A device coordinate in metafile units, rounded.
  long ToUnits(double device) const;

  const std::vector<CanvasCall>& Calls() const { return calls_; }
  const std::string& Description() const { return description_; }

  // Placeable Windows Metafile: texts in Windows-1252.
  std::string WmfBytes() const;
  // Enhanced Metafile: texts in UTF-16.
  std::string EmfBytes() const;
  // Write the file, replacing an old one only once the new one is wholly written. False
  // on failure, with the system's reason in error when given.
  bool SaveWmf(const std::string& path, std::string* error = nullptr) const;
  bool SaveEmf(const std::string& path, std::string* error = nullptr) const;

 private:
  void Record(CanvasOp op, std::vector<DevicePoint> points, const std::string& text);

  int width_;
  int height_;
  double pxPerMm_;
  int unitsPerMm_;
  std::string description_;
  TextMeasure measure_;
  std::vector<CanvasCall> calls_;
};

}  // namespace qv
