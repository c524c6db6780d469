// Writing the report lines to disk: rich text (RTF) of our own and plain Windows-1252 text.
#pragma once

#include <string>
#include <vector>

namespace qv {

// The report view's font as the rich text carries it.
struct RtfFont {
  std::string family = "Courier New";
  double pointSize = 10.0;  // written in half points
  bool bold = false;
  bool italic = false;
};

// The report's paragraph tab stops in points.
const std::vector<double>& ReportTabStopsPt();

// One paragraph per line (a line holding LF is split there, CR dropped); '\t' becomes a
// tab. Returns the whole document, pure ASCII with CR LF between its own lines: code page
// 1252 letters as \'hh, anything else as \uN?, and \ { } escaped. Tab stops (points)
// are written in twips on every paragraph, ascending, non-positive ones left out.
std::string RtfDocument(const std::vector<std::string>& lines, const RtfFont& font,
                        const std::vector<double>& tabStopsPt);

// The text of one line as RTF (no paragraph mark).
std::string RtfEscapeText(const std::string& utf8);

// The plain report file's bytes: Windows-1252, CR LF after every line.
std::string PlainTextReport(const std::vector<std::string>& lines);

enum class ReportFileMode { Rich = 0, Plain = 1 };

// Save-mode rule of the report page: the extension compared without regard to case,
// ".txt" plain, ".rtf" rich, anything else (none included) keeps the current mode.
ReportFileMode ReportModeForFile(const std::string& path, ReportFileMode current);

// Saves the report in the mode. The old file is replaced only once the new one is wholly
// written. False on failure, with the system's reason in error when given.
bool SaveReportFile(const std::string& path, const std::vector<std::string>& lines,
                    ReportFileMode mode, const RtfFont& font, const std::vector<double>& tabStopsPt,
                    std::string* error = nullptr);

// The report save dialog's texts.
struct ReportSaveDialogTexts {
  std::string title = "Tulostiedoston tallennus";
  std::string fileName = "*.rtf";
  std::string defaultExtension = "rtf";
  std::string filter = "RTF-tiedostot *.rtf|*.rtf|ASCII-tiedostot *.txt|*.txt";
  int filterIndex = 1;
};

}  // namespace qv
