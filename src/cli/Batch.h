// Batch designing: many projects, each designed on its own, on several threads, reported in
// the order they were named.
#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace qv {

struct CliOptions;
struct CliDesignFacts;

// Takes "-j N" (or "-jN") and "--save-dir DIR" at args[i], moving i past a value. Returns -1
// when args[i] is neither, 0 when it was taken, 2 with the reason in error.
int ParseBatchOption(const std::vector<std::string>& args, std::size_t& i, CliOptions& o,
                     std::string& error);

// Refuses options that do not go together: --save, --pdf or --sweep with several projects or a
// list ("-"), --save beside --save-dir. Returns 0, or 2 with the reason in error.
int CheckBatchOptions(const CliOptions& o, std::string& error);

// The projects' paths: each "-" replaced by the lines read from in (a CR before the line
// feed and empty lines left out).
std::vector<std::string> ExpandProjectList(const std::vector<std::string>& projects,
                                           std::istream& in);

// Threads for a batch: jobs, or one per processor when 0; never more than there are projects.
int BatchThreads(int jobs, std::size_t projects);

// Designs every project of o (each through RunProjectChain, saved into o.saveDir when given)
// and writes their reports, JSON lines or, with several projects and outIsTerminal, the summary
// table, in input order. A project that cannot be designed says so for itself and the rest
// go on. Returns the worst exit code (2 before 1 before 0).
int RunBatch(const CliOptions& o, const std::string& programPath, std::istream& in,
             std::ostream& out, std::ostream& err, bool outIsTerminal);

// One project's JSON Lines object: the file, the governing check and combination and the
// error text (null when none), then the design summary when the design was made, else the
// section, overall utilisation and passes as null, null and false.
std::string ProjectJsonLine(const std::string& file, const CliDesignFacts& facts,
                            const std::string& error);

}  // namespace qv
