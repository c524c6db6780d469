// The calculation document as a PDF file, from the window or without one.
#pragma once

#include <QByteArray>
#include <QFont>

#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

// The document of the project's current state (analysis current) as PDF bytes, printed
// today, and its page count when asked.
QByteArray ReportDocumentPdfBytes(QELVUX_data& project, const QFont& font,
                                  const std::vector<double>& tabStopsPt, int* pageCount = nullptr);

// Writes the PDF, replacing an old file only once the new one is wholly written. False on
// failure, with the system's reason in error when given.
bool SaveReportDocumentPdf(const std::string& path, QELVUX_data& project, const QFont& font,
                           const std::vector<double>& tabStopsPt, std::string* error = nullptr);

// "8.12.2026": today's date as the footer prints it.
std::string PrintDateText();

}  // namespace qv
