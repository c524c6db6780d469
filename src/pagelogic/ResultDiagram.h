// The diagram of the results page built from the result curves of the chosen kind and
// combination.
#pragma once

#include <string>
#include <vector>

#include "pagelogic/ResultCurves.h"
#include "ui/drawing/ResultDiagramDrawing.h"

namespace qv {

ResultDiagram BuildResultDiagram(const ResultCurves& curves);

// Value-axis labels and marks are written "#,##0.00#" (FormatChartNumber).
std::string ChartValueText(double value);

}  // namespace qv
