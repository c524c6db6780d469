// Reading the analysis input text into the frame model vectors.
#include "analysis/fem/FEM_kaikki.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <system_error>
#include <utility>

#include "model/FieldHelpers.h"
#include "model/TextCodec.h"

namespace {

// An input file is a few kilobytes; anything far larger is not an analysis input.
constexpr std::uintmax_t kMaxInputFileBytes = 16u * 1024u * 1024u;

// Reader codes beside the record parser's -1 and -2.
constexpr int kLineTooLong = -3;
constexpr int kReservedNumber = -4;

// Records reserved ahead for one section at most.
constexpr std::size_t kMaxReserve = 1u << 18;

const char* const kTooManyNotes = "Liikaa ilmoituksia, loput jätetty pois";

// Revisions are unique in the process, whichever object and thread asks.
unsigned long long NextRevision() {
  static std::atomic<unsigned long long> last{0};
  return ++last;
}

// True when text has fewer than n characters (UTF-8), counted only as far as needed: a
// character takes at least one byte, and a text has thousands of lines.
bool FewerCharsThan(const std::string& text, std::size_t n) {
  if (text.size() < n) return true;
  std::size_t count = 0;
  for (char ch : text) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80 && ++count >= n) return false;
  }
  return true;
}

// A header starts with '['; the full test is made only then, the text being long.
bool IsHeader(const std::string& line, int& number) {
  return !line.empty() && line[0] == '[' && CSVTiedosto::ParseHeader(line, number);
}

bool ReadableInputFile(const std::string& name) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(name, ec) || ec) return false;
  const std::uintmax_t size = std::filesystem::file_size(name, ec);
  return !ec && size <= kMaxInputFileBytes;
}

}  // namespace

FEM_kaikki::FEM_kaikki() : revision_(NextRevision()) {
  nodeFreedoms_.SetLayout(0, 8, 0);
  barFreedoms_.SetLayout(0, 18, 0);
}

void FEM_kaikki::ClearSolution() {
  revision_ = NextRevision();
  nodeFreedoms_.ClearRecords();
  barFreedoms_.ClearRecords();
  band_.clear();
  band_.shrink_to_fit();
  loadVectors_.clear();
  loadStart_.clear();
  loadOrder_.clear();
  groupedLoads_.clear();
  recordOfNode_.clear();
  firstSupportOfNode_.clear();
  n_ = 0;
  w_ = 0;
  caseCount_ = 0;
  status_ = -1;
}

int FEM_kaikki::Read(const std::string& fileName, const std::vector<std::string>* lines,
                     int replace) {
  int rc = 0;
  if (qv::CharCount(fileName) > 1) {
    if (!ReadableInputFile(fileName) || !input_.LoadFromFile(fileName)) {
      // A stale text must not be read as if it came from the file.
      input_.Clear();
      rc = -1;
    }
  } else if (lines) {
    input_.TakeLines(*lines);
  }
  ReadInputText(replace);
  return rc;
}

int FEM_kaikki::Read(std::vector<std::string>&& lines, int replace) {
  input_.TakeLines(std::move(lines));
  ReadInputText(replace);
  return 0;
}

void FEM_kaikki::ReadInputText(int replace) {
  ClearSolution();
  messages_.Clear();
  readNotes_.clear();

  static const int kSections[] = {kNodesSection,    kBarsSection,      kSupportsSection,
                                  kLoadsSection,    kMaterialsSection, kProfilesSection,
                                  kCouplingsSection};
  // All emptying comes before any parsing: materials and profiles share one vector and the
  // type in the line decides, so a profile written under 501 must survive the 601 step.
  for (int section : kSections) {
    std::size_t begin = 0;
    std::size_t end = 0;
    if (replace == 1 || SectionRange(section, begin, end)) EmptyPart(section);
  }
  ReadSection(kNodesSection, nodes_);
  ReadSection(kBarsSection, bars_);
  ReadSection(kSupportsSection, supports_);
  ReadSection(kLoadsSection, loads_);
  ReadSection(kMaterialsSection, materials_);
  ReadSection(kProfilesSection, materials_);
  ReadSection(kCouplingsSection, couplings_);
  loads_.RebuildCaseList();
  revision_ = NextRevision();
}

void FEM_kaikki::EmptyPart(int section) {
  switch (section) {
    case kNodesSection:
      nodes_.ClearRecords();
      break;
    case kBarsSection:
      bars_.ClearRecords();
      break;
    case kSupportsSection:
      supports_.ClearRecords();
      break;
    case kLoadsSection:
      loads_.ClearRecords();
      break;
    case kMaterialsSection:
      // Records of unknown type go with the materials, so repeated reads never pile them up.
      for (int i = materials_.Count() - 1; i >= 0; --i)
        if (materials_.Type(i) != FEM_MateriaaliVektori::kProfileType) materials_.RemoveRecord(i);
      break;
    case kProfilesSection:
      materials_.RemoveType(FEM_MateriaaliVektori::kProfileType);
      break;
    case kCouplingsSection:
      couplings_.ClearRecords();
      break;
    default:
      break;
  }
}

int FEM_kaikki::ReadLine(int section, const std::string& line, QELvektori& target,
                         qv::FieldBuffers& fields) {
  std::vector<int>& ints = fields.ints;
  const int rc = qv::SplitFields(target.Separator(), line, target.FieldLayout(), fields.texts,
                                 fields.reals, ints);
  if (rc < 0) return rc;
  // Numbers above 1000000 belong to the nodes and couplings the analysis generates; a typed
  // one would be taken for a generated one and removed at the next solution.
  if ((section == kNodesSection || section == kCouplingsSection) && !ints.empty() &&
      ints[0] > FEM_SolmuVektori::kGeneratedBase)
    return kReservedNumber;
  target.AddRecord(&fields.texts, &fields.reals, &ints);
  return 1;
}

void FEM_kaikki::ReadSection(int section, QELvektori& target) {
  std::size_t begin = 0;
  std::size_t end = 0;
  if (!SectionRange(section, begin, end)) return;
  const std::vector<std::string>& all = input_.Lines();
  // One record a line at most (blank and bad lines leave the rest unused); a pasted text of
  // millions of short lines must not reserve for all of them at once.
  target.Reserve(target.Count() +
                 static_cast<int>(std::min<std::size_t>(end - begin, kMaxReserve)));
  std::string trimmed;
  // A text has thousands of lines: the field lists are reused, not built for each one.
  qv::FieldBuffers fields;
  for (std::size_t i = begin; i < end; ++i) {
    // Only a line with a carriage return is copied.
    const std::string* line = &all[i];
    if (!line->empty() && line->back() == '\r') {
      trimmed.assign(*line, 0, line->size() - 1);
      line = &trimmed;
    }
    if (FewerCharsThan(*line, 2)) continue;
    const int rc = FewerCharsThan(*line, static_cast<std::size_t>(kMaxLineLength) + 1)
                       ? ReadLine(section, *line, target, fields)
                       : kLineTooLong;
    if (rc >= 0) continue;
    // The notes are for showing, so a text of thousands of bad lines is not copied whole.
    if (readNotes_.size() == static_cast<std::size_t>(kMaxMessages)) {
      readNotes_.push_back(kTooManyNotes);
    } else if (readNotes_.size() < static_cast<std::size_t>(kMaxMessages)) {
      readNotes_.push_back(std::to_string(section) + ", rivi " + std::to_string(i - begin + 1) +
                           ": pal=" + std::to_string(rc) + " (" +
                           qv::CutChars(*line, kMaxLineLength) + ")");
    }
  }
}

// The content lines of a section as the sectioned text counts them (the last header with
// that number wins), found in one pass: a pasted text may hold thousands of headers.
bool FEM_kaikki::SectionRange(int section, std::size_t& begin, std::size_t& end) const {
  const std::vector<std::string>& all = input_.Lines();
  bool found = false;
  int number = 0;
  for (std::size_t i = 0; i < all.size(); ++i) {
    if (IsHeader(all[i], number) && number == section) {
      begin = i + 1;
      found = true;
    }
  }
  if (!found) return false;
  end = begin;
  while (end < all.size() && !IsHeader(all[end], number)) ++end;
  return end > begin;
}
