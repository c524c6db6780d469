// qelvux-cli: the whole design chain of one or many projects without a window.
#include <unistd.h>

#include <filesystem>
#include <iostream>

#include "cli/CommandLineDesigner.h"

int main(int argc, char** argv) {
  std::error_code ec;
  std::string self = std::filesystem::read_symlink("/proc/self/exe", ec).string();
  if (ec || self.empty()) self = argc > 0 ? argv[0] : "qelvux-cli";
  return qv::RunCommandLine(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), self,
                            std::cin, std::cout, std::cerr, isatty(STDOUT_FILENO) == 1);
}
