// Fuzz target: a project file from arbitrary bytes, then the whole design chain on it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "design/DesignRun.h"
#include "model/TextCodec.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // One record for the whole run, as in the program: loading overwrites what the file holds.
  static QELVUX_data project(std::string(QELVUX_FUZZ_DATA_DIR) + "/qelvux");
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string message;
  if (qv::LoadProjectLines(project, qv::SplitLines(qv::DecodeFileText(bytes)), &message) == 0) {
    qv::DesignRunResult run;
    qv::RunProjectDesign(project, true, run);
  }
  return 0;
}
