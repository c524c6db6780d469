// --pdf FILE: the designed project goes to the PDF writer the program was built with; without
// one, or when it fails, the run ends in an error and says why.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLineDesigner.h"
#include "project/QELVUX_data.h"

namespace {

const std::string kData = QELVUX_SOURCE_DATA_DIR;
const std::string kJoist =
    std::string(QELVUX_SOURCE_DATA_DIR) + "/../examples/ec5_lattiapalkki.vux";

TEST(CliPdf, WriterGetsTheDesignedProjectOrTheRunFails) {
  enum class Writer { None, Succeeds, Fails };
  struct Case {
    std::vector<std::string> args;
    Writer writer;
    int code;
    bool written;
    std::string errorPart;
  };
  // The floor joist passes (82 % and 88 %): without --pdf or with a working writer it exits 0.
  const std::vector<Case> cases = {
      {{kJoist}, Writer::None, qv::kCliPass, false, ""},
      {{kJoist, "--pdf", "laskelma.pdf"}, Writer::Succeeds, qv::kCliPass, true, ""},
      {{kJoist, "--json", "--pdf", "laskelma.pdf"}, Writer::Succeeds, qv::kCliPass, true, ""},
      {{kJoist, "--pdf", "laskelma.pdf"}, Writer::None, qv::kCliError, false, "ilman PDF"},
      {{kJoist, "--pdf", "laskelma.pdf"}, Writer::Fails, qv::kCliError, true, "levy täynnä"},
      {{kJoist, "--pdf"}, Writer::Succeeds, qv::kCliError, false, "puuttuu arvo"},
  };
  for (const Case& c : cases) {
    std::string joined;
    for (const auto& a : c.args) joined += a + " ";
    SCOPED_TRACE(joined);
    bool written = false;
    qv::CliPdfWriter writer;
    if (c.writer != Writer::None) {
      const bool ok = c.writer == Writer::Succeeds;
      writer = [&written, ok](QELVUX_data& project, const std::string& path, std::string& error) {
        written = true;
        // Designed and with every report section on, as the printed report.
        EXPECT_EQ(project.AnalysisValid, 1);
        for (int s : project.ReportSwitches) EXPECT_EQ(s, 1);
        EXPECT_EQ(path, "laskelma.pdf");
        if (!ok) error = "levy täynnä";
        return ok;
      };
    }
    std::ostringstream out, err;
    EXPECT_EQ(qv::RunCommandLine(c.args, kData + "/qelvux-cli", out, err, writer), c.code);
    EXPECT_EQ(written, c.written);
    if (!c.errorPart.empty()) {
      EXPECT_NE(err.str().find(c.errorPart), std::string::npos) << err.str();
    }
  }
}

}  // namespace
