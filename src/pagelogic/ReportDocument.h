// The calculation document behind the PDF report and the printout: page frame texts, title
// block, the report's sections with the figures that belong under them.
#pragma once

#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

enum class ReportFigureKind { Structure, Loads, Moment, Shear, Deflection, Reactions };

struct ReportFigure {
  ReportFigureKind kind = ReportFigureKind::Structure;
  std::string caption;  // "Kuva 1. Rakenne: tuet, nivelet ja mitat"
  int loadCase = -1;    // Loads: the case drawn
  int position = -1;    // diagrams: list position among the combinations of its design kind
  double heightMm = 60.0;
};

// Text lines (tabs as '\t'; a line of only '=' or '-' is a rule) or one figure. A block is
// never split across pages when it is a figure.
struct ReportBlock {
  std::vector<std::string> lines;
  bool isFigure = false;
  ReportFigure figure;
};

struct ReportTitleField {
  std::string label;  // "Laskija:"
  std::string value;  // may hold several lines separated by '\n'
};

struct ReportDocument {
  // Header of every page.
  std::string project;
  std::string member;
  std::string designCode;
  // Footer of every page (the page numbers are the painter's).
  std::string program;
  std::string printDate;
  std::vector<ReportTitleField> titleBlock;
  std::vector<ReportBlock> blocks;
};

// Caption of the empty signature field of the first page.
constexpr const char* kSignatureCaption = "Tarkastanut / päiväys / allekirjoitus";
// Heading of the title block.
constexpr const char* kDocumentTitle = "RAKENNEOSAN MITOITUSLASKELMA";

// "sivu 2 / 5"
std::string PageNumberText(int page, int pageCount);

// The document of the project's current state (the analysis must be current). Sections as
// the report switches choose them, the design chapter with its stability factors and design
// values whatever their switches, each section followed by its figures: the structure, the
// loads of each case that has loads, the support numbering, and the Mz and Vy diagrams of the
// governing stress combination and the Uy diagram of the governing deflection combination.
// The project information goes into the title block rather than a section.
ReportDocument BuildReportDocument(const QELVUX_data& project, const std::string& program,
                                   const std::string& printDate);

}  // namespace qv
