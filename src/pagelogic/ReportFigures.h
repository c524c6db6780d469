// The figures of the calculation document drawn by the program's own drawings onto any
// canvas: the PDF, the printer and the tests' recording canvas alike.
#pragma once

#include "pagelogic/ReportDocument.h"
#include "ui/drawing/Canvas.h"

class QELVUX_data;

namespace qv {

// Draws the figure into a picture of width x height device pixels at the canvas's top-left
// corner: the structure drawing, the load drawing of the figure's case (every load kind shown,
// nothing highlighted), the results chart of the figure's combination, or the support
// numbering. The load page's view choices are set for the drawing and put back after it.
void DrawReportFigure(Canvas* canvas, QELVUX_data& project, const ReportFigure& figure, int width,
                      int height);

}  // namespace qv
