// Writing a text file replaces it whole: through a link to its target, never over a write-protected
// file, whatever the name's length.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/TextCodec.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Read(const std::string& path) {
  std::vector<std::string> lines;
  qv::ReadTextFileLines(path, lines);
  return lines;
}

TEST(TextFileWrite, ReplacesWholeThroughLinksAndNeverOverProtection) {
  const fs::path dir = fs::temp_directory_path() / ("qv_textwrite_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const std::vector<std::string> before{"vanha"}, after{"uusi", "rivi"};
  const std::string target = (dir / "kohde.pl1").string(), link = (dir / "linkki.pl1").string();
  const std::string locked = (dir / "suojattu.vux").string();
  const std::string longName = (dir / (std::string(251, 'a') + ".vux")).string();  // 255 characters
  ASSERT_TRUE(qv::WriteTextFileLines(target, before));
  fs::create_symlink(target, link);
  ASSERT_TRUE(qv::WriteTextFileLines(locked, before));
  ::chmod(locked.c_str(), 0444);

  struct Case {
    const char* what;
    std::string path;
    bool written;
    std::string check;  // the file whose content tells
  };
  const Case cases[] = {
      {"through a link", link, true, target},
      {"a write-protected file", locked, false, locked},
      {"a name at the length limit", longName, true, longName},
      {"no name", std::string(), false, std::string()},
      {"a folder", dir.string(), false, std::string()},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(c.written, qv::ReplaceTextFileLines(c.path, after, &error))
        << c.what << ": " << error;
    if (!c.written) {
      EXPECT_FALSE(error.empty()) << c.what;
    }
    if (!c.check.empty()) {
      EXPECT_EQ(c.written ? after : before, Read(c.check)) << c.what;
    }
  }
  EXPECT_TRUE(fs::is_symlink(link));
  // No temporary file is left behind.
  int files = 0;
  for (const auto& e : fs::directory_iterator(dir)) files += e.path().filename().string()[0] == '.';
  EXPECT_EQ(0, files);
  fs::remove_all(dir);
}

}  // namespace
