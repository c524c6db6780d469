// Fuzz target: a project file from arbitrary bytes; what loads must save and load back to the
// same file, and the whole design chain and report must run on it without a false pass.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "design/DesignRun.h"
#include "model/TextCodec.h"
#include "pagelogic/ReportAssembly.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"
#include "FuzzSupport.h"

using fuzz::Check;

namespace {

// The bytes a save writes: Windows-1252, CR LF after each line.
std::string SavedBytes(QELVUX_data& project) {
  qv::BuildProjectFile(project);
  std::string bytes;
  for (const auto& line : project.TextFile.Lines()) bytes += qv::Utf8ToCp1252(line) + "\r\n";
  return bytes;
}

bool HasHighBytes(const std::string& bytes) {
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  // One record for the whole run, as in the program: loading overwrites what the file holds.
  static QELVUX_data project(std::string(QELVUX_FUZZ_DATA_DIR) + "/qelvux");
  static QELVUX_data reloaded(std::string(QELVUX_FUZZ_DATA_DIR) + "/qelvux");
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string message;
  if (qv::LoadProjectLines(project, qv::SplitLines(qv::DecodeFileText(bytes)), &message) != 0) {
    Check(!message.empty() && qv::CharCount(message) <= 255);
    return 0;
  }
  Check(message.empty());

  // A saved project loads back, and saving it again writes the very same bytes. (Bytes that
  // happen to form UTF-8 are read as UTF-8, so only plain or non-UTF-8 files are compared.)
  const std::string saved = SavedBytes(project);
  std::string again;
  const int rc = qv::LoadProjectLines(reloaded, qv::SplitLines(qv::DecodeFileText(saved)), &again);
  Check(rc == 0);
  if (!HasHighBytes(saved) || !qv::IsValidUtf8(saved)) Check(SavedBytes(reloaded) == saved);

  qv::DesignRunResult run;
  const int passes = qv::RunProjectDesign(project, true, run);
  // A design that counts as a pass has checked something, and every number it rests on is
  // a number: never a pass from an empty or NaN result.
  if (passes && run.tree.allChecksRan) {
    Check(!run.results.NothingChecked());
    Check(std::isfinite(run.tree.overall));
    for (const auto* group : {&run.results.stress, &run.results.deflection})
      for (const qv::CombinationDesign& c : *group) Check(c.Ran());
  }
  for (const auto& line : qv::BuildReportLines(project)) Check(qv::IsValidUtf8(line));
  return 0;
}
