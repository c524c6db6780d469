// The command-line designer: load a project, analyse, design, print the report or a summary.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qv {

// Exit codes.
constexpr int kCliPass = 0;   // overall utilisation at most 100 %
constexpr int kCliFail = 1;   // the design fails
constexpr int kCliError = 2;  // bad arguments, a project that does not load, a failed analysis

struct CliOptions {
  std::string project;
  std::string dataDir;  // empty: beside the program
  std::string saveAs;   // empty: nothing saved
  bool search = false;
  bool sweep = false;         // --sweep: every section of the library, lightest first
  bool lightest = false;      // --lightest: the lightest passing section chosen
  bool allLibraries = false;  // --all-libraries: the sweep also over the data folder's libraries
  bool json = false;
  bool help = false;
  bool english = false;  // --help in English
};

// Parses the arguments (without the program name). Returns 0, or kCliError with the reason.
int ParseCliArguments(const std::vector<std::string>& args, CliOptions& options,
                      std::string& error);

// The help text, Finnish or English.
std::string CliHelpText(bool english);

// Runs the whole chain. programPath locates the data files when no --data-dir is given.
// Report or summary go to out, messages to err; returns the exit code.
int RunCommandLine(const std::vector<std::string>& args, const std::string& programPath,
                   std::ostream& out, std::ostream& err);

}  // namespace qv
