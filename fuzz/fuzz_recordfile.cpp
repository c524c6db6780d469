// Fuzz target: a section library and a default load-case file from bytes, and text decoding.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "model/CSVTiedosto.h"
#include "model/KuormaOletukset.h"
#include "model/KuormaVektori.h"
#include "model/ProfiiliVektori.h"
#include "model/TextCodec.h"
#include "FuzzSupport.h"

using fuzz::Check;

namespace {

void CheckDecoding(const std::string& bytes) {
  const std::string text = qv::DecodeFileText(bytes);
  Check(qv::IsValidUtf8(text));
  const std::vector<std::string> lines = qv::SplitLines(text);
  std::size_t feeds = 0;
  for (char c : text) feeds += c == '\n';
  const bool openLast = !text.empty() && text.back() != '\n';
  Check(lines.size() == feeds + (openLast ? 1 : 0));
  for (const auto& line : lines) Check(line.find('\n') == std::string::npos);
}

bool HasHighBytes(const std::string& bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

// Every section left after reading is usable; one that read whole is written so that it
// reads back whole, to the same lines.
void CheckLibrary(const std::string& path, const std::string& copy) {
  ProfiiliVektori library;
  const int rc = library.ReadLibrary(path);
  Check(rc == 0 || rc == -1 || rc == -2 || rc == -3);
  for (int i = 0; i < library.Count(); ++i) Check(library.IsUsableSection(i));

  if (rc == 0) {
    Check(library.WriteLibrary(copy) == 0);
    ProfiiliVektori again;
    Check(again.ReadLibrary(copy) == 0);
    Check(again.Count() == library.Count());
    // The comments come back as Windows-1252 can hold them, unless the written bytes happen
    // to form UTF-8 (then they are read as such).
    Check(again.HeaderComments.size() == library.HeaderComments.size());
    std::string written;
    std::vector<std::string> expected;
    for (const auto& line : library.HeaderComments) {
      written += qv::Utf8ToCp1252(line);
      expected.push_back(qv::Cp1252ToUtf8(qv::Utf8ToCp1252(line)));
    }
    if (!HasHighBytes(written) || !qv::IsValidUtf8(written))
      Check(again.HeaderComments == expected);
  }

  // Loading keeps the old sections unless the file gave at least one.
  ProfiiliVektori current;
  current.SetSingleSection(ProfiiliVektori::kFallbackSectionLine);
  const std::string before = current.FormatRecord(0);
  current.LoadLibrary(path);
  Check(current.Count() > 0 && current.CurrentIndex == 0);
  if (library.Count() == 0) Check(current.Count() == 1 && current.FormatRecord(0) == before);
}

// Whatever the file holds, the member ends with load cases and combinations whose factor
// rows name existing cases, and that set survives being written and read.
void CheckLoadDefaults(const std::string& folder, qv::DesignCode designCode) {
  KuormaVektori loads;
  const int rc = loads.LoadDefaults(folder + "/", designCode);
  Check(rc == 0 || rc == 1);
  const KuormitustapausVektori& cases = loads.Cases();
  const KuormaYhdVektori& combinations = loads.Combinations();
  // Code 4 builds no combinations without the factors of its file.
  Check(cases.Count() > 0 &&
        (combinations.CombinationCount() > 0 || designCode == qv::DesignCode::kEc5));
  for (int i = 0; i < combinations.Count(); ++i) {
    if (!combinations.IsHeader(i)) Check(cases.IsValid(combinations.LoadCase(i)));
  }
  if (combinations.CombinationCount() == 0) return;  // nothing a load file could hold
  CSVTiedosto file;
  qv::WriteLoadSet(cases, combinations, file);
  std::vector<std::string> lines;
  file.GiveLines(lines);
  CSVTiedosto reread;
  reread.TakeLines(lines);
  KuormitustapausVektori cases2;
  KuormaYhdVektori combinations2;
  Check(qv::ReadLoadSet(reread, cases2, combinations2));
  Check(cases2.Count() == cases.Count() && combinations2.Count() == combinations.Count());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckDecoding(bytes);

  const std::string& folder = fuzz::ScratchFolder();
  const std::string library = folder + "/kirjasto.pl1";
  fuzz::WriteBytes(library, bytes);
  CheckLibrary(library, folder + "/kopio.pl1");

  const qv::DesignCode designCode =
      qv::kDesignCodes[size > 0 ? data[0] % std::size(qv::kDesignCodes) : 0];
  fuzz::WriteBytes(folder + "/" + qv::DefaultLoadFileName(designCode), bytes);
  CheckLoadDefaults(folder, designCode);
  return 0;
}
