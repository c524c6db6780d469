// The command-line designer: load a project, analyse, design, print the report or a summary.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

class QELVUX_data;

namespace qv {

// Exit codes.
constexpr int kCliPass = 0;   // overall utilisation at most 100 %
constexpr int kCliFail = 1;   // the design fails
constexpr int kCliError = 2;  // bad arguments, a project that does not load, a failed analysis

struct CliOptions {
  std::string project;
  std::string dataDir;  // empty: beside the program
  std::string saveAs;   // empty: nothing saved
  std::string pdf;      // empty: no PDF report
  bool search = false;
  bool json = false;
  bool help = false;
  bool english = false;  // --help in English
};

// Parses the arguments (without the program name). Returns 0, or kCliError with the reason.
int ParseCliArguments(const std::vector<std::string>& args, CliOptions& options,
                      std::string& error);

// The help text, Finnish or English.
std::string CliHelpText(bool english);

// Writes the PDF report of a designed project; false with the reason in error.
using CliPdfWriter =
    std::function<bool(QELVUX_data& project, const std::string& path, std::string& error)>;

// Runs the whole chain. programPath locates the data files when no --data-dir is given.
// Report or summary go to out, messages to err; returns the exit code. --pdf needs a writer:
// the PDF is drawn by the desktop shell's report module, which a program without it lacks.
int RunCommandLine(const std::vector<std::string>& args, const std::string& programPath,
                   std::ostream& out, std::ostream& err, const CliPdfWriter& pdf = nullptr);

}  // namespace qv
