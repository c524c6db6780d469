// Batch designing: the list of projects, the threads that design them and the output in order.
#include "cli/Batch.h"

#include <algorithm>
#include <condition_variable>
#include <filesystem>
#include <istream>
#include <map>
#include <mutex>
#include <new>
#include <ostream>
#include <sstream>
#include <system_error>
#include <thread>

#include "cli/CliJson.h"
#include "cli/CommandLineDesigner.h"
#include "cli/SummaryTable.h"
#include "model/NumberText.h"
#include "project/ProgramData.h"

namespace qv {
namespace {

constexpr int kMaxJobs = 1024;

// What one project came to: its output and messages, kept until its turn to be written.
struct Outcome {
  int code = kCliError;
  std::string out;
  std::string err;
  CliDesignFacts facts;
  bool done = false;
};

// The messages of a project that could not be designed, without the closing line feeds.
std::string ErrorText(const Outcome& r) {
  if (r.code != kCliError) return std::string();
  std::string text = r.err;
  while (!text.empty() && text.back() == '\n') text.pop_back();
  return text.empty() ? "virhe" : text;
}

// Every line of text with "file: " before it, so that a batch's messages name their project.
std::string Prefixed(const std::string& text, const std::string& file) {
  std::string out;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size() - 1;
    out += file + ": " + text.substr(start, end + 1 - start);
    start = end + 1;
  }
  if (!out.empty() && out.back() != '\n') out += '\n';
  return out;
}

// The folder and name each project is saved under; "" for a project saved nowhere. A name
// another project of the batch already takes is refused, as its result would overwrite one.
std::vector<std::string> SaveTargets(const CliOptions& o, const std::vector<std::string>& files,
                                     std::vector<std::string>& refusals) {
  std::vector<std::string> targets(files.size(), o.saveAs);
  refusals.assign(files.size(), std::string());
  if (o.saveDir.empty()) return targets;
  std::map<std::string, std::size_t> taken;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const std::filesystem::path name = std::filesystem::path(files[i]).filename();
    targets[i] = (std::filesystem::path(o.saveDir) / name).string();
    const auto [at, fresh] = taken.emplace(targets[i], i);
    if (!fresh) {
      refusals[i] = "qelvux-cli: " + files[i] + " tallentuisi samalle nimelle " + targets[i] +
                    " kuin " + files[at->second] + "; projektia ei mitoitettu.\n";
    }
  }
  return targets;
}

class Batch {
 public:
  Batch(const CliOptions& o, std::shared_ptr<const ProgramData> data,
        std::vector<std::string> files, bool table)
      : options_(o), data_(std::move(data)), files_(std::move(files)), table_(table) {
    targets_ = SaveTargets(o, files_, refusals_);
  }

  std::size_t Count() const { return files_.size(); }

  Outcome Design(std::size_t i) const {
    Outcome r;
    if (!refusals_[i].empty()) {
      r.err = refusals_[i];
      return r;
    }
    CliOptions one = options_;
    one.project = files_[i];
    one.saveAs = targets_[i];
    // The table shows no report: the summary is the cheaper thing to make.
    if (table_) one.json = true;
    std::ostringstream out, err;
    try {
      r.code = RunProjectChain(one, data_, out, err, r.facts);
    } catch (const std::bad_alloc&) {
      err << "qelvux-cli: muisti loppui.\n";
      r.code = kCliError;
    } catch (const std::exception& e) {
      err << "qelvux-cli: sisäinen virhe: " << e.what() << "\n";
      r.code = kCliError;
    }
    r.out = out.str();
    r.err = err.str();
    return r;
  }

  // Writes project i's output; returns its exit code.
  int Write(std::size_t i, const Outcome& r, std::ostream& out, std::ostream& err,
            SummaryTable* table) const {
    const bool several = files_.size() > 1;
    const std::string& file = files_[i];
    err << (several ? Prefixed(r.err, file) : r.err);
    err.flush();
    if (table) {
      table->WriteRow(out, file, r.code, r.facts, ErrorText(r));
    } else if (options_.json && !options_.sweep) {
      // The sweep's table (or its rows as JSON) stands in for the summary line.
      out << ProjectJsonLine(file, r.facts, ErrorText(r));
    } else {
      if (several) out << "Projekti: " << file << "\n";
      out << r.out;
    }
    out.flush();
    return r.code;
  }

 private:
  const CliOptions& options_;
  // The data files, read once for every project and thread.
  std::shared_ptr<const ProgramData> data_;
  std::vector<std::string> files_;
  std::vector<std::string> targets_;
  std::vector<std::string> refusals_;
  bool table_;
};

// Designs on `threads` threads, the caller's among them: it designs too, and writes each
// outcome as soon as it and all before it are done. Returns the worst exit code.
int RunOnThreads(const Batch& batch, int threads, std::ostream& out, std::ostream& err,
                 SummaryTable* table) {
  std::vector<Outcome> outcomes(batch.Count());
  std::mutex mutex;
  std::condition_variable ready;
  std::size_t next = 0;  // the next project to design
  auto design = [&](std::size_t i) {
    Outcome r = batch.Design(i);
    r.done = true;
    {
      const std::lock_guard<std::mutex> lock(mutex);
      outcomes[i] = std::move(r);
    }
    ready.notify_all();
  };
  auto work = [&] {
    for (;;) {
      std::size_t i;
      {
        const std::lock_guard<std::mutex> lock(mutex);
        if (next >= batch.Count()) return;
        i = next++;
      }
      design(i);
    }
  };
  // One thread fewer than asked: the caller is the last one.
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) {
    try {
      helpers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads than asked: those started and the caller do the work
    }
  }

  int worst = kCliPass;
  for (std::size_t written = 0; written < batch.Count();) {
    std::unique_lock<std::mutex> lock(mutex);
    if (outcomes[written].done) {
      Outcome r = std::move(outcomes[written]);
      outcomes[written] = Outcome();  // written: its memory goes
      lock.unlock();
      worst = std::max(worst, batch.Write(written, r, out, err, table));
      ++written;
    } else if (next < batch.Count()) {
      // The next to write is still being designed: design another meanwhile.
      const std::size_t i = next++;
      lock.unlock();
      design(i);
    } else {
      // Every project is taken and this one by a helper, which notifies when it is done.
      ready.wait(lock, [&] { return outcomes[written].done; });
    }
  }
  for (std::thread& t : helpers) t.join();
  return worst;
}

}  // namespace

int ParseBatchOption(const std::vector<std::string>& args, std::size_t& i, CliOptions& o,
                     std::string& error) {
  const std::string& a = args[i];
  if (a == "--save-dir") {
    if (i + 1 >= args.size() || args[i + 1].empty()) {
      error = "Valitsimelle --save-dir on annettava kansio.";
      return kCliError;
    }
    o.saveDir = args[++i];
    return 0;
  }
  if (a.compare(0, 2, "-j") != 0) return -1;
  std::string value = a.substr(2);
  if (value.empty()) {
    if (i + 1 >= args.size()) {
      error = "Valitsimelta -j puuttuu arvo.";
      return kCliError;
    }
    value = args[++i];
  }
  double n = 0.0;
  if (ParseNumber(value, 1, kMaxJobs, n) != 0 || n != static_cast<double>(static_cast<int>(n))) {
    error = RangeText("Valitsin -j", 1, kMaxJobs) + " (kokonaisluku)";
    return kCliError;
  }
  o.jobs = static_cast<int>(n);
  return 0;
}

int CheckBatchOptions(const CliOptions& o, std::string& error) {
  const bool several = o.projects.size() > 1 ||
                       std::find(o.projects.begin(), o.projects.end(), "-") != o.projects.end();
  // Options that name one output file or print one table take one project.
  const struct {
    bool asked;
    const char* refusal;
  } single[] = {
      {!o.saveAs.empty(),
       "Valitsimella --save voi tallentaa vain yhden projektin; tallenna usea projekti "
       "valitsimella --save-dir KANSIO."},
      {o.sweep, "Valitsimella --sweep voi käydä läpi vain yhden projektin kirjastot."},
      {!o.pdf.empty(), "Valitsimella --pdf voi kirjoittaa vain yhden projektin laskelman."}};
  for (const auto& option : single) {
    if (several && option.asked) {
      error = option.refusal;
      return kCliError;
    }
  }
  if (!o.saveAs.empty() && !o.saveDir.empty()) {
    error = "Valitsimia --save ja --save-dir ei voi käyttää yhdessä.";
    return kCliError;
  }
  return 0;
}

std::vector<std::string> ExpandProjectList(const std::vector<std::string>& projects,
                                           std::istream& in) {
  std::vector<std::string> files;
  for (const std::string& p : projects) {
    if (p != "-") {
      files.push_back(p);
      continue;
    }
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) files.push_back(line);
    }
  }
  return files;
}

int BatchThreads(int jobs, std::size_t projects) {
  std::size_t n = jobs > 0 ? static_cast<std::size_t>(jobs) : std::thread::hardware_concurrency();
  return static_cast<int>(std::clamp<std::size_t>(n, 1, std::max<std::size_t>(projects, 1)));
}

int RunBatch(const CliOptions& o, const std::string& programPath, std::istream& in,
             std::ostream& out, std::ostream& err, bool outIsTerminal) {
  std::vector<std::string> files = ExpandProjectList(o.projects, in);
  if (files.empty()) {
    err << "qelvux-cli: Projektitiedosto puuttuu.\n";
    return kCliError;
  }
  if (!o.saveDir.empty() && !std::filesystem::is_directory(o.saveDir)) {
    err << "qelvux-cli: Kansiota " << o.saveDir << " ei ole.\n";
    return kCliError;
  }
  const bool useTable = outIsTerminal && !o.json && files.size() > 1;
  SummaryTable table(files);
  const Batch batch(o, ReadCliData(o, programPath), std::move(files), useTable);
  if (useTable) table.WriteHeader(out);
  const int threads = BatchThreads(o.jobs, batch.Count());
  int worst = kCliPass;
  if (threads > 1) {
    worst = RunOnThreads(batch, threads, out, err, useTable ? &table : nullptr);
  } else {
    // One thread: each project is designed and written in turn, and no thread is started.
    for (std::size_t i = 0; i < batch.Count(); ++i)
      worst =
          std::max(worst, batch.Write(i, batch.Design(i), out, err, useTable ? &table : nullptr));
  }
  if (useTable) table.WriteTotals(out);
  return worst;
}

std::string ProjectJsonLine(const std::string& file, const CliDesignFacts& facts,
                            const std::string& error) {
  const GoverningCheck& g = facts.governing;
  const bool governs = facts.designed && !g.check.empty();
  std::string line =
      "{\"file\": " + JsonString(file) +
      ", \"governingCheck\": " + (governs ? JsonString(g.check) : "null") +
      ", \"governingCombination\": " + (governs ? JsonString(g.combination) : "null") +
      ", \"error\": " + (error.empty() ? "null" : JsonString(error));
  if (!facts.designed || facts.summaryJson.empty()) {
    return line + ", \"section\": null, \"overallUtilisation\": null, \"passes\": false}\n";
  }
  // The summary is laid out on lines; its strings escape every line feed, so each raw one
  // with the indent after it is layout only.
  const std::string& s = facts.summaryJson;
  line.reserve(line.size() + s.size() + 3);
  line += ", ";
  for (std::size_t k = s.find('{') + 1; k < s.size();) {
    std::size_t end = s.find('\n', k);
    if (end == std::string::npos) end = s.size();
    line.append(s, k, end - k);
    k = s.find_first_not_of(' ', end + 1);
    if (k == std::string::npos) break;
  }
  line += '\n';
  return line;
}

}  // namespace qv
