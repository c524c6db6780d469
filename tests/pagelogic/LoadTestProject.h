// A project for the load page and dialog tests: small duration-class tables beside a temporary
// program path.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "model/TextCodec.h"
#include "project/QELVUX_data.h"

namespace loadtest {

// Tables of all three codes holding only their duration classes; no default load file, so
// the project starts with the built-in cases of code 2: Omapaino (class 0), Hyötykuorma (1),
// Lumikuorma (1), Tuulikuorma (2), and the reset member, 6000 mm at 0 degrees.
class LoadProjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() / ("qv_load_" + std::to_string(::getpid()) + "_" +
                                                     info->test_suite_name() + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    const std::vector<std::string> fourClasses = {"[ ==== 1 ==== ]", "Pysyvä", "Pitkäaikainen",
                                                  "Lyhytaikainen", "Hetkellinen"};
    const std::vector<std::string> fiveClasses = {
        "[ ==== 1 ==== ]", "Pysyvä", "Pitkäaikainen", "Keskipitkä", "Lyhytaikainen", "Hetkellinen"};
    ASSERT_TRUE(qv::WriteTextFileLines((dir_ / "Sallitut.dat").string(), fourClasses));
    ASSERT_TRUE(qv::WriteTextFileLines((dir_ / "Rajatila.dat").string(), fourClasses));
    ASSERT_TRUE(qv::WriteTextFileLines((dir_ / "Eurocode.dat").string(), fiveClasses));
    project = std::make_unique<QELVUX_data>((dir_ / "qelvux").string());
    project->Member.Reset();
    project->Member.Length = 6000.0;
  }
  void TearDown() override {
    project.reset();
    std::filesystem::remove_all(dir_);
  }

  QELVUX_data& p() { return *project; }
  KuormaVektori& loads() { return project->Loads; }

  std::unique_ptr<QELVUX_data> project;

 private:
  std::filesystem::path dir_;
};

}  // namespace loadtest
