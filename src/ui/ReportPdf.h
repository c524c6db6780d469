// The report as a paginated PDF, in the report view's font and tab stops.
#pragma once

#include <QByteArray>
#include <QFont>

#include <string>
#include <vector>

#include "pagelogic/RtfWriter.h"

namespace qv {

// The report font as the rich text file carries it.
RtfFont RtfFontOf(const QFont& font);

// The lines on A4 pages with 20 mm margins; a tab goes to the next of the stops (points
// from the left margin), past the last one to the next multiple of half an inch, as in
// the rich text. Lines too long for the page wrap rather than run off it.
QByteArray ReportPdfBytes(const std::vector<std::string>& lines, const QFont& font,
                          const std::vector<double>& tabStopsPt);

// Writes the PDF, replacing an old file only once the new one is wholly written. False on
// failure, with the system's reason in error when given.
bool SaveReportPdf(const std::string& path, const std::vector<std::string>& lines,
                   const QFont& font, const std::vector<double>& tabStopsPt,
                   std::string* error = nullptr);

}  // namespace qv
