// qelvux-cli: the whole design chain of a project without a window.
#include <filesystem>
#include <iostream>

#include "cli/CommandLineDesigner.h"
#ifdef QELVUX_CLI_PDF
#include "pagelogic/ReportPdfFile.h"
#endif

int main(int argc, char** argv) {
  std::error_code ec;
  std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  if (ec || self.empty()) self = argc > 0 ? argv[0] : "qelvux-cli";
  // Built with the desktop shell's report module, --pdf draws through it; without, it is
  // refused. Nothing of Qt runs unless a PDF is asked for.
  qv::CliPdfWriter pdf;
#ifdef QELVUX_CLI_PDF
  pdf = qv::WriteReportPdfFile;
#endif
  return qv::RunCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), self,
                            std::cout, std::cerr, pdf);
}
