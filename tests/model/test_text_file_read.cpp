// Reading a text file: what is no regular file is said for what it is, a read error or an oversized
// file is refused, a byte-order mark is skipped.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/TextCodec.h"

namespace {

namespace fs = std::filesystem;

class TextFileRead : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qv_textread_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  fs::path dir_;
};

TEST_F(TextFileRead, WhatCannotBeReadIsRefusedWithItsReason) {
  fs::create_directory(Path("kansio"));
  ASSERT_EQ(0, mkfifo(Path("putki").c_str(), 0600));
  fs::create_symlink(Path("silmukka_b"), Path("silmukka_a"));
  fs::create_symlink(Path("silmukka_a"), Path("silmukka_b"));
  { std::ofstream big(Path("suuri.vux")); }
  fs::resize_file(Path("suuri.vux"), qv::kMaxTextFileBytes + 1);  // sparse: no time, no disk
  struct Case {
    std::string path;
    const char* reason;
  };
  const Case cases[] = {
      {Path("puuttuu.vux"), "ei ole"},
      {Path("kansio"), "on kansio eikä tiedosto"},
      {Path("putki"), "on erikoistiedosto"},
      {"/dev/zero", "on erikoistiedosto"},
      {Path("silmukka_a"), "on kehään kiertyvä linkki"},
      {"/proc/self/mem", "lukeminen epäonnistui"},
      {Path("suuri.vux"), "on liian suuri (yli 50 Mt)"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines{"vanha"};
    std::string error;
    EXPECT_FALSE(qv::ReadTextFileLines(c.path, lines, &error)) << c.path;
    EXPECT_EQ(0u, error.rfind(c.reason, 0)) << c.path << ": " << error;
    EXPECT_EQ(std::vector<std::string>{"vanha"}, lines) << c.path;
  }
}

TEST_F(TextFileRead, ByteOrderMarkIsSkipped) {
  std::ofstream(Path("bom.vux"), std::ios::binary) << "\xEF\xBB\xBF[ ==== 1 ==== ]\r\nQEL-VUX\r\n";
  std::vector<std::string> lines;
  ASSERT_TRUE(qv::ReadTextFileLines(Path("bom.vux"), lines));
  EXPECT_EQ((std::vector<std::string>{"[ ==== 1 ==== ]", "QEL-VUX"}), lines);
}

}  // namespace
