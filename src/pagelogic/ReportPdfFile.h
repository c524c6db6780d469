// The calculation document as a PDF file for programs without a window (the command-line
// designer). Declared here so that such a program can name it without the widgets; it is
// defined by the desktop shell's report module (src/ui/report) and exists only in programs
// linked with it.
#pragma once

#include <string>

class QELVUX_data;

namespace qv {

// Writes the document of the project's current state (analysis current) to path, drawing on
// the offscreen platform when no application runs yet. False with the reason in error.
bool WriteReportPdfFile(QELVUX_data& project, const std::string& path, std::string& error);

}  // namespace qv
