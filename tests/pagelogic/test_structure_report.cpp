// Tests of the structure block of the report against the exact texts.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "model/TextCodec.h"
#include "pagelogic/StructureReport.h"
#include "project/QELVUX_data.h"

namespace {

using Lines = std::vector<std::string>;

// A project whose program folder holds small tables of all three codes: one material
// "C24" of type 1 with a different characteristic value for every quantity.
class StructureReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = std::filesystem::temp_directory_path() /
           ("qv_structure_report_" + std::to_string(::getpid()) + "_" + info->name());
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    for (int code = 1; code <= 3; ++code) {
      static const char* const names[3] = {"Sallitut.dat", "Rajatila.dat", "Eurocode.dat"};
      ASSERT_TRUE(qv::WriteTextFileLines((dir_ / names[code - 1]).string(), Table(code)));
    }
    project = std::make_unique<QELVUX_data>((dir_ / "qelvux").string());
  }
  void TearDown() override {
    project.reset();
    std::filesystem::remove_all(dir_);
  }

  static Lines Table(int code) {
    Lines t = {"[ ==== 1 ==== ]",
               "Pysyvä",
               "[ ==== 11 ==== ]",
               "Käyttöluokka 1",
               "Käyttöluokka 2",
               "[ ==== 21 ==== ]",
               "C24",
               "[ ==== 22 ==== ]",
               "1"};
    const char* values[9] = {"24.1", "21.2",  "2.53", "14.4", "2.55",
                             "7400", "11000", "24.8", "2.59"};
    for (int q = 1; q <= 9; ++q) {
      t.push_back("[ ==== " + std::to_string(30 + q) + " ==== ]");
      t.push_back(values[q - 1]);
      if (code == 1) t.push_back(values[q - 1]);  // one line per moisture class
    }
    for (const char* l : {"[ ==== 41 ==== ]", "0.6;0.6", "[ ==== 42 ==== ]", "1.0;1.0"})
      t.push_back(l);
    return t;
  }

  std::unique_ptr<QELVUX_data> project;

 private:
  std::filesystem::path dir_;
};

const Lines kHead = {"====================================", "RAKENNETIEDOT:",
                     "------------------------------------"};

Lines Join(std::initializer_list<Lines> parts) {
  Lines out;
  for (const Lines& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST_F(StructureReportTest, ResetMemberLimitStates) {
  ASSERT_EQ(project->DesignCode, qv::DesignCode::kLimitState);
  const Lines want = Join({kHead,
                           {"Nimi/tunnus:\tPalkki",
                            "Pituus:\t6000 mm",
                            "Poikkileikkaus:\t50*100\t(Suorakaide, b = 50.0 mm, h = 100.0 mm)",
                            "Kosteusluokka:\t1",
                            "Materiaali:\tC24",
                            "------------------------------------",
                            "fbk (Mz):\t24.10 MPa",
                            "fbk (My):\t24.80 MPa",
                            "fck:\t21.20 MPa",
                            "fc90k:\t2.53 MPa",
                            "ftk:\t14.40 MPa",
                            "fvk (Vy):\t2.55 MPa",
                            "fvk (Vz):\t2.59 MPa",
                            "Ek (lujuus):\t7400 MPa",
                            "E (siirtymä):\t11000 MPa",
                            "------------------------------------",
                            "TUET: (2 kpl)",
                            "Nro:\tx [mm]:\tTyyppi:",
                            "1:\t0\tNiveltuki\t ",
                            "2:\t6000\tNiveltuki\t "}});
  EXPECT_EQ(qv::StructureReportLines(*project), want);
}

TEST_F(StructureReportTest, ResetMemberEc5WithSizeFactors) {
  project->DesignCode = qv::DesignCode::kEc5Env;
  project->Materials.SetMoistureClass(qv::DesignCode::kEc5Env, 2);
  // Sawn timber 50 x 100: fm,k (Mz) and ft,0,k times min(1.5^0.2, 1.3) = 1.08447,
  // fm,k (My) times min(3^0.2, 1.3) = 1.24573.
  const Lines want = Join({kHead,
                           {"Nimi/tunnus:\tPalkki",
                            "Pituus:\t6000 mm",
                            "Poikkileikkaus:\t50*100\t(Suorakaide, b = 50.0 mm, h = 100.0 mm)",
                            "Kosteusluokka:\t2",
                            "Materiaali:\tC24",
                            "------------------------------------",
                            "fm,k (Mz):\t26.14 MPa",
                            "fm,k (My):\t30.89 MPa",
                            "fc,0,k:\t21.20 MPa",
                            "fc,90,k:\t2.53 MPa",
                            "ft,0,k:\t15.62 MPa",
                            "fv,k (Vy):\t2.55 MPa",
                            "fv,k (Vz):\t2.59 MPa",
                            "E 0.05 (lujuus):\t7400 MPa",
                            "E 0,mean (siirtymä):\t11000 MPa",
                            "------------------------------------",
                            "TUET: (2 kpl)",
                            "Nro:\tx [mm]:\tTyyppi:",
                            "1:\t0\tNiveltuki\t ",
                            "2:\t6000\tNiveltuki\t "}});
  EXPECT_EQ(qv::StructureReportLines(*project), want);
}

TEST_F(StructureReportTest, AllowableStressesPrintNoValues) {
  project->DesignCode = qv::DesignCode::kAllowableStress;
  const Lines got = qv::StructureReportLines(*project);
  ASSERT_GE(got.size(), 10u);
  EXPECT_EQ(got[7], "Materiaali:\tC24");
  EXPECT_EQ(got[8], "------------------------------------");
  EXPECT_EQ(got[9], "TUET: (2 kpl)");
}

TEST_F(StructureReportTest, AngleLoadWidthCircleSupportTypesAndHinges) {
  RakenneVektori& m = project->Member;
  m.ClearRecords();
  m.Name = "";
  m.Angle = 22.5;
  m.LoadWidth = 1200.0;
  m.AddPoint("Alapää", RakenneVektori::kSupport, RakenneVektori::kFixed, 0.0);
  m.AddPoint("B", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 2500.4);
  m.AddPoint("C", RakenneVektori::kSupport, RakenneVektori::kSlidingY, 6000.0);
  m.AddPoint("", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 1250.0);
  project->Profiles.SetSingleSection("Pyöreä 150;2;150;0;0;0;0;0;0;0;0;0");
  project->DesignCode = qv::DesignCode::kAllowableStress;
  // Without a surface load the load width is not printed.
  Lines got = qv::StructureReportLines(*project);
  ASSERT_GE(got.size(), 6u);
  EXPECT_EQ(got[3], "Pituus:\t6000 mm");
  EXPECT_EQ(got[4], "Kulma:\t22.5 astetta");
  EXPECT_EQ(got[5], "Poikkileikkaus:\tPyöreä 150\t(Ympyräpoikkileikkaus, d = 150.0 mm)");

  project->Loads.AddLoad(" ", 0, KuormaVektori::kSurface, 2, 1, -0.001, -0.001, 0.0, 6000.0);
  got = qv::StructureReportLines(*project);
  const Lines want = Join(
      {kHead,
       {"Pituus:\t6000 mm", "Kulma:\t22.5 astetta", "Kuormitusleveys:\t1200.0 mm (pintakuormille)",
        "Poikkileikkaus:\tPyöreä 150\t(Ympyräpoikkileikkaus, d = 150.0 mm)", "Kosteusluokka:\t1",
        "Materiaali:\tC24", "------------------------------------", "TUET: (3 kpl)",
        "Nro:\tx [mm]:\tTyyppi:", "1:\t0\tJäykkätuki\tAlapää", "2:\t2500\tLiukutuki X\tB",
        "3:\t6000\tLiukutuki Y\tC", "------------------------------------", "NIVELET: (1 kpl)",
        "Nro:\tx [mm]:", "1:\t1250\t "}});
  EXPECT_EQ(got, want);
}

TEST_F(StructureReportTest, NoSectionChosenAndMaterialBeyondTheTable) {
  project->Profiles.CurrentIndex = -1;
  project->Materials.SetMaterial(qv::DesignCode::kLimitState, 5);
  const Lines got = qv::StructureReportLines(*project);
  ASSERT_GE(got.size(), 7u);
  EXPECT_EQ(got[4], "Pituus:\t6000 mm");
  EXPECT_EQ(got[5], "Kosteusluokka:\t1");
  EXPECT_EQ(got[6], "Materiaali:\t");
}

}  // namespace
