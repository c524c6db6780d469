// A project record on a small member with its own material tables, solved, for the results and
// deflection tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <unistd.h>

#include "analysis/MalliGeneraattori.h"
#include "analysis/MemberResults.h"
#include "model/TextCodec.h"
#include "project/QELVUX_data.h"
#include "CodeOf.h"

// Material C24 with E = 11000 MPa (E0,mean) in all three tables, section 50 x 200.
// Duration classes (0-based): 0 permanent, 1 medium-term, 2 instantaneous.
// Code 2 deflection-modulus factors by class: 1.0, 1.0, 0.8.
// Code 3 kdef by class (service class 1): 0.6, 0.25, 0.0.
class MemberTestProject {
 public:
  static constexpr double kE = 11000.0;
  static constexpr double kB = 50.0;
  static constexpr double kH = 200.0;
  static constexpr double kShortTermFactor = 0.8;  // code 2, class 2
  static constexpr double kKdef[3] = {0.6, 0.25, 0.0};
  static constexpr int kDown = 2;  // global Y; negative values point down
  static constexpr int kLocalY = -2;

  static double Area() { return kB * kH; }
  static double IStrong() { return kB * kH * kH * kH / 12.0; }
  static double IWeak() { return kH * kB * kB * kB / 12.0; }

  explicit MemberTestProject(int code = 2) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("qv_results_" + std::to_string(::getpid()) + "_" +
            (info ? std::string(info->test_suite_name()) + "_" + info->name() : "x"));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    Write("Sallitut.dat", Table(1));
    Write("Rajatila.dat", Table(2));
    Write("Eurocode.dat", Table(3));
    project = std::make_unique<QELVUX_data>((dir_ / "qelvux").string());
    project->DesignCode = CodeOf(code);
    project->Profiles.SetSingleSection("50*200;1;50;200;0;0;0;0;0;0;0;0");
    project->Loads.ClearLoads();
    project->Loads.Cases().ClearRecords();
    project->Loads.Combinations().Clear();
  }
  ~MemberTestProject() { std::filesystem::remove_all(dir_); }

  // Member of length L at an angle with supports (x, code) and hinges at the given x.
  void SetMember(double length, const std::vector<std::pair<double, int>>& supports,
                 const std::vector<double>& hinges = {}, double angle = 0.0) {
    RakenneVektori& m = project->Member;
    m.ClearRecords();
    m.Length = length;
    m.Angle = angle;
    for (const auto& s : supports) m.AddPoint(" ", RakenneVektori::kSupport, s.second, s.first);
    for (double x : hinges) m.AddPoint(" ", RakenneVektori::kHinge, RakenneVektori::kHingeZ, x);
  }
  int AddCase(const std::string& name, int durationClass) {
    return project->Loads.Cases().AddCase(name, durationClass);
  }
  // Combination with the factors of cases 0, 1, ... (0 = no row); returns its index.
  int AddCombination(qv::CombinationKind kind, const std::vector<double>& factors,
                     double ownLimit = 0.0) {
    KuormaYhdVektori& y = project->Loads.Combinations();
    const int c = y.CombinationCount();
    y.AddHeader(c, kind, ownLimit > 0.0 ? -ownLimit : 0.0);
    for (std::size_t k = 0; k < factors.size(); ++k)
      y.AddFactor(c, static_cast<int>(k), factors[k]);
    return c;
  }
  void AddLine(int loadCase, int direction, double q, double x1, double x2) {
    project->Loads.AddLoad(" ", loadCase, KuormaVektori::kLine, direction,
                           KuormaVektori::kPerLength, q, q, x1, x2);
  }
  void AddPoint(int loadCase, int direction, double p, double x) {
    project->Loads.AddLoad(" ", loadCase, KuormaVektori::kPoint, direction,
                           KuormaVektori::kPerLength, p, 0.0, x, 0.0);
  }
  // Generates the analysis input and solves it; 0 on success.
  int Solve() {
    std::vector<std::string> output;
    const int rc = RunAnalysis(GenerateAnalysisInput(project->Member, project->Loads),
                               project->Analysis, project->AnalysisValid, output);
    for (const std::string& line : output) ADD_FAILURE() << line;
    return rc;
  }

  std::unique_ptr<QELVUX_data> project;

 private:
  void Write(const std::string& name, const std::vector<std::string>& lines) {
    ASSERT_TRUE(qv::WriteTextFileLines((dir_ / name).string(), lines));
  }
  static std::vector<std::string> Table(int code) {
    std::vector<std::string> t = {
        "[ ==== 1 ==== ]", "Pysyvä",           "Keskipitkä", "Hetkellinen",      "[ ==== 11 ==== ]",
        "Käyttöluokka 1",  "[ ==== 21 ==== ]", "C24",        "[ ==== 22 ==== ]", "1"};
    // fm, fc0, fc90, ft0, fv, E0.05, E0.mean, fm, fv
    const char* values[9] = {"24", "21", "2.5", "14", "2.5", "7400", "11000", "24", "2.5"};
    const int lines = code == 1 ? 3 : 1;  // allowable values per duration class
    for (int q = 1; q <= 9; ++q) {
      t.push_back("[ ==== " + std::to_string(30 + q) + " ==== ]");
      for (int i = 0; i < lines; ++i) t.push_back(values[q - 1]);
    }
    if (code == 2) {
      for (const char* l :
           {"[ ==== 41 ==== ]", "0.6", "0.8", "1.1", "[ ==== 42 ==== ]", "1.0", "1.0", "0.8"})
        t.push_back(l);
    }
    if (code == 3) {
      for (const char* l :
           {"[ ==== 41 ==== ]", "0.6", "0.8", "1.1", "[ ==== 51 ==== ]", "0.6", "0.25", "0.0"})
        t.push_back(l);
    }
    return t;
  }

  std::filesystem::path dir_;
};
