// The command-line designer: load a project, analyse, design, print the report or a summary.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "design/GoverningCheck.h"

class QELVUX_data;

namespace qv {

class ProgramData;

// Exit codes.
constexpr int kCliPass = 0;   // overall utilisation at most 100 %
constexpr int kCliFail = 1;   // the design fails
constexpr int kCliError = 2;  // bad arguments, a project that does not load, a failed analysis

struct CliOptions {
  std::string project;  // the one project the chain designs (RunProjectChain)
  std::string dataDir;  // empty: beside the program
  std::string saveAs;   // empty: nothing saved
  std::string pdf;      // empty: no PDF report
  bool search = false;
  bool sweep = false;         // --sweep: every section of the library, lightest first
  bool lightest = false;      // --lightest: the lightest passing section chosen
  bool allLibraries = false;  // --all-libraries: the sweep also over the data folder's libraries
  bool json = false;
  bool help = false;
  bool english = false;  // --help in English
  // Batch (Batch.h): every project named, "-" for a list of paths on standard input.
  std::vector<std::string> projects;
  std::string saveDir;  // --save-dir: each result saved under its own name in this folder
  int jobs = 0;         // -j: threads; 0 one per processor
  // --pdf: draws the PDF (RunCommandLine's writer; each project of a batch gets a copy).
  std::function<bool(QELVUX_data&, const std::string&, std::string&)> pdfWriter;
};

// What the batch needs of one project's design besides its output; set once designed.
struct CliDesignFacts {
  bool designed = false;
  std::string section;
  double overall = 0.0;
  GoverningCheck governing;
  std::string summaryJson;  // with --json: the design's summary, written by the caller
};

// Parses the arguments (without the program name). Returns 0, or kCliError with the reason.
int ParseCliArguments(const std::vector<std::string>& args, CliOptions& options,
                      std::string& error);

// The help text, Finnish or English.
std::string CliHelpText(bool english);

// Writes the PDF report of a designed project; false with the reason in error.
using CliPdfWriter =
    std::function<bool(QELVUX_data& project, const std::string& path, std::string& error)>;

// Runs the whole chain for every project named. programPath locates the data files when no
// --data-dir is given. Reports or summaries go to out, messages to err; a "-" among the
// projects reads paths from in; outIsTerminal asks for the summary table of a batch.
// --pdf needs a writer: the PDF is drawn by the desktop shell's report module, which a
// program without it lacks. Returns the exit code, the worst of all projects.
int RunCommandLine(const std::vector<std::string>& args, const std::string& programPath,
                   std::istream& in, std::ostream& out, std::ostream& err, bool outIsTerminal,
                   const CliPdfWriter& pdf = nullptr);
// The same with nothing on standard input, for output that is no terminal.
int RunCommandLine(const std::vector<std::string>& args, const std::string& programPath,
                   std::ostream& out, std::ostream& err, const CliPdfWriter& pdf = nullptr);

// "Oma paino 0.363 kN/m (tiheys 420 kg/m3), materiaalitaulukosta, kuormitustapaus Omapaino"
// and a line end, for the section --search or --lightest chose; "" with the option off.
std::string OwnWeightLine(const QELVUX_data& project);
// The data files of a run, read once from --data-dir or beside the program at programPath.
std::shared_ptr<const ProgramData> ReadCliData(const CliOptions& o, const std::string& programPath);

// The chain of one project, o.project (saved to o.saveAs when given): load, support check,
// analysis, search, design, report to out (or, with --json, the summary into facts). Its
// record starts from data.
int RunProjectChain(const CliOptions& o, const std::shared_ptr<const ProgramData>& data,
                    std::ostream& out, std::ostream& err, CliDesignFacts& facts);

}  // namespace qv
