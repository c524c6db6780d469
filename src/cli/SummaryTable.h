// The summary table a batch prints to a terminal: one line per project.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace qv {

struct CliDesignFacts;

class SummaryTable {
 public:
  // The names of every project, so that the first column fits them before any row is known.
  explicit SummaryTable(const std::vector<std::string>& names);

  void WriteHeader(std::ostream& out) const;
  // A project's line: name, section, overall utilisation, governing check and combination,
  // "OK", "EI KELPAA" or, for exit code 2, "VIRHE" with the first line of error.
  void WriteRow(std::ostream& out, const std::string& name, int code, const CliDesignFacts& facts,
                const std::string& error);
  // "Yhteensä %d projektia: %d OK, %d EI KELPAA, %d VIRHE"
  void WriteTotals(std::ostream& out) const;

 private:
  std::size_t nameWidth_ = 8;
  int counts_[3] = {0, 0, 0};
};

// text cut to width characters ("…" in place of the last one kept) or padded with blanks.
std::string FitText(const std::string& text, std::size_t width, bool right = false);
// The same, but a long text keeps its end: a path is told by its file name.
std::string FitTail(const std::string& text, std::size_t width);

}  // namespace qv
