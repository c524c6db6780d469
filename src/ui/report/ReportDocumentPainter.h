// The calculation document laid out on pages: header and footer on every page, the title
// block and signature field on the first, text and figures that never split.
#pragma once

#include <QFont>

#include <vector>

#include "pagelogic/ReportDocument.h"

class QELVUX_data;
class QPagedPaintDevice;

namespace qv {

// A4 portrait, 20 mm margins left and right, 12 mm top and bottom (the header and the footer
// lie inside them).
void SetReportPageLayout(QPagedPaintDevice& device);

// Paints the document onto the device (a PDF writer or a printer set up with its page layout),
// the text in font with tabs at the stops (points from the left margin). The figures are drawn
// by the program's drawings as vectors, scaled to the text width. Returns the page count.
int PaintReportDocument(QPagedPaintDevice& device, QELVUX_data& project, const ReportDocument& doc,
                        const QFont& font, const std::vector<double>& tabStopsPt);

// The figures are drawn as on a screen of this resolution and scaled onto the page.
constexpr double kReportFigureDpi = 96.0;
// The figure's picture in pixels of that resolution for a text width of widthMm.
int ReportFigureWidthPx(double widthMm);
int ReportFigureHeightPx(const ReportFigure& figure);

// The font of the document when none is chosen: a proportional face of 9 points.
QFont DefaultDocumentFont();

}  // namespace qv
