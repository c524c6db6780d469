// Fuzz target: sectioned text — every operation on arbitrary lines, checked against a fresh
// reading of the lines it ends up with.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "model/CSVTiedosto.h"
#include "model/TextCodec.h"
#include "FuzzSupport.h"

using fuzz::Check;

namespace {

// The section numbers the lines name, and a few around them and far away.
std::set<int> NumbersOf(const std::vector<std::string>& lines) {
  std::set<int> numbers{-1, 0, 1, 101, 999, 2147483647, -2147483647 - 1};
  for (const auto& line : lines) {
    int n = 0;
    if (CSVTiedosto::ParseHeader(line, n)) {
      numbers.insert(n);
      if (n < 2147483647) numbers.insert(n + 1);
    }
  }
  return numbers;
}

// The index a file keeps must be the one its own lines give.
void CheckAgainstFresh(const CSVTiedosto& file) {
  CSVTiedosto fresh;
  fresh.TakeLines(file.Lines());
  Check(fresh.SectionCount() == file.SectionCount());
  const int total = static_cast<int>(file.Lines().size());
  for (int n : NumbersOf(file.Lines())) {
    Check(file.HasSection(n) == fresh.HasSection(n));
    const int count = file.LineCount(n);
    Check(count == fresh.LineCount(n) && count >= 0 && count <= total);
    for (int k = 0; k <= count + 1; ++k) {
      std::string out = "x";
      const std::string line = file.GetLine(n, k, &out);
      Check(line == fresh.GetLine(n, k));
      if (n > 0 && k >= 1 && k <= count) {
        Check(out == line);
        int inner = 0;
        Check(!CSVTiedosto::ParseHeader(line, inner));
      }
    }
  }
  Check(file.GetLine(0, total + 1) == CSVTiedosto::kNoText);
  Check(file.GetLine(0, -1) == CSVTiedosto::kNoText);
}

// Reads operations from the bytes of the script line.
struct Script {
  const std::string& bytes;
  std::size_t at = 0;
  bool More() const { return at < bytes.size(); }
  int Byte() { return More() ? static_cast<unsigned char>(bytes[at++]) : 0; }
  int Number(const std::vector<int>& known) {
    const int b = Byte();
    if (b < 128 && !known.empty()) return known[static_cast<std::size_t>(b) % known.size()];
    return b - 192;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines = qv::SplitLines(qv::DecodeFileText(bytes));
  // The first line drives the operations, the rest is the text.
  const std::string script = lines.empty() ? std::string() : lines.front();
  if (!lines.empty()) lines.erase(lines.begin());

  CSVTiedosto file;
  file.TakeLines(lines);
  CheckAgainstFresh(file);

  Script s{script};
  int steps = 0;
  while (s.More() && steps++ < 64) {
    const std::set<int> numbers = NumbersOf(file.Lines());
    const std::vector<int> known(numbers.begin(), numbers.end());
    const int op = s.Byte() % 5;
    const int n = s.Number(known);
    const std::size_t pick =
        file.Lines().empty() ? 0 : static_cast<std::size_t>(s.Byte()) % file.Lines().size();
    const std::string text = lines.empty() ? std::string("rivi") : lines[pick % lines.size()];
    switch (op) {
      case 0: {
        const bool had = file.HasSection(n);
        Check(file.AddSection(n) == (had ? -1 : 0));
        Check(file.HasSection(n));
        break;
      }
      case 1: {
        const int before = file.LineCount(n);
        file.AddLine(n, text);
        // A line that looks like a header is kept with a leading blank.
        int inner = 0;
        const std::string stored = CSVTiedosto::ParseHeader(text, inner) ? " " + text : text;
        if (n > 0) Check(file.LineCount(n) == before + 1 && file.GetLine(n, before + 1) == stored);
        break;
      }
      case 2: {
        int back = 0;
        Check(CSVTiedosto::ParseHeader(CSVTiedosto::HeaderLine(n), back) && back == n);
        break;
      }
      case 3: {
        std::vector<std::string> given;
        file.GiveLines(given);
        Check(given == file.Lines());
        break;
      }
      default:
        file.Clear();
        Check(file.Lines().empty() && file.SectionCount() == 0);
        break;
    }
    CheckAgainstFresh(file);
  }
  return 0;
}
