// Sectioned text: header detection, the section index and line look-ups.
#include "model/CSVTiedosto.h"

#include <climits>
#include <utility>

#include "model/TextCodec.h"

std::string CSVTiedosto::HeaderLine(int n) { return "[ ==== " + std::to_string(n) + " ==== ]"; }

bool CSVTiedosto::ParseHeader(const std::string& line, int& n) {
  if (line.compare(0, 7, "[ ==== ") != 0) return false;
  // Like atoi on at most 78 characters: blanks, a sign, digits; anything else stops it. A
  // line of at most 78 bytes has no more characters than that, so only a longer one is cut
  // (every file's headers are read this way: no copy for them).
  constexpr std::size_t kChars = 78;
  const std::string cut = line.size() > kChars ? qv::CutChars(line, kChars) : std::string();
  const std::string& rest = line.size() > kChars ? cut : line;
  std::size_t i = 7;
  while (i < rest.size() && (rest[i] == ' ' || rest[i] == '\t')) ++i;
  bool negative = false;
  if (i < rest.size() && (rest[i] == '+' || rest[i] == '-')) negative = rest[i++] == '-';
  // Clamped to the int range, whose negative end is one further than its positive one.
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long v = 0;
  while (i < rest.size() && rest[i] >= '0' && rest[i] <= '9') {
    if (v < limit) v = v * 10 + (rest[i] - '0');
    ++i;
  }
  if (v > limit) v = limit;
  n = static_cast<int>(negative ? -v : v);
  return true;
}

bool CSVTiedosto::LoadFromFile(const std::string& name) {
  std::vector<std::string> lines;
  if (!qv::ReadTextFileLines(name, lines, &loadError_)) return false;
  lines_ = std::move(lines);
  fileName_ = name;
  RebuildIndex();
  return true;
}

void CSVTiedosto::TakeLines(const std::vector<std::string>& lines) {
  lines_ = lines;
  fileName_.clear();
  RebuildIndex();
}

void CSVTiedosto::TakeLines(std::vector<std::string>&& lines) {
  lines_ = std::move(lines);
  fileName_.clear();
  RebuildIndex();
}

int CSVTiedosto::Save(const std::string* name) {
  if (name) fileName_ = *name;
  if (fileName_.size() <= 1) return 0;
  return qv::WriteTextFileLines(fileName_, lines_) ? 0 : -1;
}

void CSVTiedosto::Clear() {
  lines_.clear();
  sections_.clear();
}

void CSVTiedosto::RebuildIndex() {
  sections_.clear();
  bool counting = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    int n = 0;
    if (ParseHeader(lines_[i], n)) {
      sections_.push_back({static_cast<int>(i), n, 0});
      counting = n >= 0;
    } else if (counting) {
      ++sections_.back().count;
    }
  }
}

int CSVTiedosto::FindSection(int n) const {
  for (int s = static_cast<int>(sections_.size()) - 1; s >= 0; --s) {
    if (sections_[static_cast<std::size_t>(s)].number == n) return s;
  }
  return -1;
}

int CSVTiedosto::AddSection(int n) {
  if (FindSection(n) >= 0) return -1;
  lines_.push_back(HeaderLine(n));
  RebuildIndex();
  return 0;
}

void CSVTiedosto::AddLine(int n, const std::string& content) {
  // A line that would read back as a section header gets a leading blank (as the project's
  // free texts do): kept as it is, it would split its section once the file is read again.
  int header = 0;
  const std::string text = ParseHeader(content, header) ? " " + content : content;
  int s = FindSection(n);
  if (s < 0) {
    lines_.push_back(HeaderLine(n));
    lines_.push_back(text);
    RebuildIndex();
    return;
  }
  if (s == static_cast<int>(sections_.size()) - 1 && n >= 0) {  // last section: no header follows
    lines_.push_back(text);
    ++sections_.back().count;
    return;
  }
  // Insert just before the next header after this one, or at the end.
  std::size_t pos = lines_.size();
  int dummy = 0;
  for (std::size_t i =
           static_cast<std::size_t>(sections_[static_cast<std::size_t>(s)].headerLine) + 1;
       i < lines_.size(); ++i) {
    if (ParseHeader(lines_[i], dummy)) {
      pos = i;
      break;
    }
  }
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(pos), text);
  RebuildIndex();
}

bool CSVTiedosto::HasSection(int n) const { return FindSection(n) >= 0; }

int CSVTiedosto::LineCount(int n) const {
  int s = FindSection(n);
  return s < 0 ? 0 : sections_[static_cast<std::size_t>(s)].count;
}

std::string CSVTiedosto::GetLine(int n, int k, std::string* out) const {
  long long index = -1;
  if (n <= 0) {
    if (k >= 1 && k <= static_cast<int>(lines_.size())) index = k - 1;
  } else {
    int s = FindSection(n);
    if (s >= 0 && k >= 1 && k <= sections_[static_cast<std::size_t>(s)].count)
      index = static_cast<long long>(sections_[static_cast<std::size_t>(s)].headerLine) + k;
  }
  if (index < 0) return kNoText;
  const std::string& line = lines_[static_cast<std::size_t>(index)];
  if (out) *out = line;
  return line;
}
