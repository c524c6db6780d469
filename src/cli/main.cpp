// qelvux-cli: the whole design chain of one or many projects without a window.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "cli/CommandLineDesigner.h"
#ifdef QELVUX_CLI_PDF
#include "pagelogic/ReportPdfFile.h"
#endif

int main(int argc, char** argv) {
  std::error_code ec;
  std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  if (ec || self.empty()) self = argc > 0 ? argv[0] : "qelvux-cli";
  // The designer itself is linked without Qt, so that a run costs the loader nothing. The
  // PDF is drawn by the desktop shell's report module: qelvux-cli-pdf, the same program
  // linked with it, takes over a run that asks for one. Without it --pdf is refused.
  qv::CliPdfWriter pdf;
#ifdef QELVUX_CLI_PDF
  pdf = qv::WriteReportPdfFile;
#else
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) != "--pdf") continue;
    const std::string withPdf =
        (std::filesystem::path(self).parent_path() / "qelvux-cli-pdf").string();
    if (::access(withPdf.c_str(), X_OK) == 0) {
      argv[0] = const_cast<char*>(withPdf.c_str());
      ::execv(withPdf.c_str(), argv);
    }
    break;
  }
#endif
  return qv::RunCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), self,
                            std::cin, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1, pdf);
}
