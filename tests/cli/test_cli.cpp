// The command-line designer: arguments, exit codes, the report and summary of the examples.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/CommandLineDesigner.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

namespace fs = std::filesystem;

const std::string kData = QELVUX_SOURCE_DATA_DIR;
const std::string kExamples = std::string(QELVUX_SOURCE_DATA_DIR) + "/../examples/";
const std::string kGolden = std::string(QELVUX_TEST_DATA_DIR) + "/examples/";

struct CliRun {
  int code = -1;
  std::string out;
  std::string err;
};

CliRun Cli(std::vector<std::string> args) {
  std::ostringstream out, err;
  CliRun r;
  r.code = qv::RunCommandLine(args, kData + "/qelvux-cli", out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(CommandLine, ArgumentsAndHelp) {
  CliRun r = Cli({"--help"});
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.out.find("Käyttö: qelvux-cli"), std::string::npos);
  r = Cli({"--help-en"});
  EXPECT_NE(r.out.find("Usage: qelvux-cli"), std::string::npos);
  // Both help texts name the same options.
  for (const char* opt : {"--search", "--sweep", "--lightest", "--all-libraries", "--save",
                          "--json", "--data-dir", "--help-en"}) {
    EXPECT_NE(Cli({"--help"}).out.find(opt), std::string::npos) << opt;
    EXPECT_NE(Cli({"--help-en"}).out.find(opt), std::string::npos) << opt;
  }
  EXPECT_EQ(Cli({}).code, qv::kCliError);
  r = Cli({"--bogus", "x.vux"});
  EXPECT_EQ(r.code, qv::kCliError);
  EXPECT_NE(r.err.find("Tuntematon valitsin: --bogus"), std::string::npos);
  EXPECT_EQ(Cli({"a.vux", "b.vux"}).code, qv::kCliError);
  EXPECT_EQ(Cli({"x.vux", "--save"}).code, qv::kCliError);
  r = Cli({"x.vux", "--save", ""});
  EXPECT_EQ(r.code, qv::kCliError);
  EXPECT_NE(r.err.find("--save on annettava tiedoston nimi"), std::string::npos);
}

TEST(CommandLine, MissingAndBrokenProjectsExitWithTwo) {
  CliRun r = Cli({"/no/such/file.vux"});
  EXPECT_EQ(r.code, qv::kCliError);
  EXPECT_NE(r.err.find("ei ole"), std::string::npos);
  const fs::path broken = fs::temp_directory_path() / "qelvux_cli_broken.vux";
  std::ofstream(broken) << "ei projekti\n";
  r = Cli({broken.string()});
  EXPECT_EQ(r.code, qv::kCliError);
  EXPECT_NE(r.err.find("Tiedosto ei ole QEL-VUX 2.0 tallennustiedosto!"), std::string::npos);
  r = Cli({"--data-dir", "/no/such/dir", kExamples + "pilari.vux"});
  EXPECT_EQ(r.code, qv::kCliError);
  // A read error and a file that is no file end with a message, never an abort.
  for (const char* path : {"/proc/self/mem", "/dev/zero", "/tmp"}) {
    r = Cli({path});
    EXPECT_EQ(r.code, qv::kCliError) << path;
    EXPECT_FALSE(r.err.empty()) << path;
  }
}

TEST(CommandLine, ProjectWithoutLoadsReportsTheAnalysisMessages) {
  QELVUX_data p(kData + "/qelvux");
  const fs::path file = fs::temp_directory_path() / "qelvux_cli_noloads.vux";
  ASSERT_EQ(qv::SaveProject(p, file.string()), 0);
  CliRun r = Cli({file.string()});
  EXPECT_EQ(r.code, qv::kCliError);
  EXPECT_NE(r.err.find("Kuormia liian vähän"), std::string::npos);
}

// Each example with its expected overall result; the numbers are checked by hand in the
// design tests, here the chain must give the same verdict as the README says.
TEST(CommandLine, ExamplesPassOrFailAsDocumented) {
  struct Case {
    const char* file;
    int code;
    const char* overall;
  };
  for (const Case& c : {Case{"lattiapalkki.vux", qv::kCliFail, "126.4 %"},
                        Case{"jatkuva_orsi.vux", qv::kCliPass, "73.3 %"},
                        Case{"pilari.vux", qv::kCliFail, "142.9 %"},
                        Case{"kattotuoli.vux", qv::kCliFail, "202.7 %"},
                        Case{"ec5_lattiapalkki.vux", qv::kCliPass, "87.6 %"},
                        Case{"ec5_orsi.vux", qv::kCliFail, "119.4 %"}}) {
    CliRun r = Cli({"--data-dir", kData, kExamples + c.file});
    EXPECT_EQ(r.code, c.code) << c.file << r.err;
    EXPECT_NE(r.out.find(std::string("Kokonaiskäyttöaste:\t") + c.overall), std::string::npos)
        << c.file;
  }
}

TEST(CommandLine, ReportsMatchTheGoldenFiles) {
  // To accept an intended change: QELVUX_UPDATE_GOLDEN=1 ./cli_test_cli, then review the diff.
  const bool update = std::getenv("QELVUX_UPDATE_GOLDEN") != nullptr;
  for (const char* name :
       {"lattiapalkki", "jatkuva_orsi", "pilari", "kattotuoli", "ec5_lattiapalkki", "ec5_orsi"}) {
    CliRun r = Cli({"--data-dir", kData, kExamples + name + ".vux"});
    const std::string golden = kGolden + name + ".txt";
    if (update) {
      fs::create_directories(kGolden);
      std::ofstream(golden, std::ios::binary) << r.out;
    }
    EXPECT_EQ(r.out, ReadFile(golden)) << name;
  }
}

TEST(CommandLine, SearchFindsTheNextPassingSectionAndSavesIt) {
  const fs::path saved = fs::temp_directory_path() / "qelvux_cli_found.vux";
  fs::remove(saved);
  // The examples name their library relative to the working folder: run where it lies.
  const fs::path before = fs::current_path();
  fs::current_path(kData);
  CliRun r =
      Cli({"--data-dir", kData, "--search", "--save", saved.string(), kExamples + "pilari.vux"});
  EXPECT_EQ(r.code, qv::kCliPass) << r.err;
  fs::current_path(before);
  EXPECT_NE(r.out.find("Poikkileikkaus: 100*150"), std::string::npos);
  QELVUX_data p(kData + "/qelvux");
  ASSERT_EQ(qv::LoadProject(p, saved.string()), 0);
  EXPECT_EQ(p.Profiles.Name(p.Profiles.CurrentIndex), "100*150");
}

// The EC5 floor joist 50*225 passes at 87.6 % with w_net,fin governing (see README). Every
// lighter section of the library has a smaller I (50*200 33.3e6, 63*175 28.1e6, 63*150, 75*125,
// 100*100, d 100 and the rest less against 47.5e6 mm4), and the deflection grows as 1/I, so
// each fails: 50*225 is the lightest passing, and 75*150 of the same area follows it. C24:
// rho_mean 420 kg/m3 (EN 338:2016), m = 420 * 0.050 * 0.225 = 4.725 kg/m.
TEST(CommandLine, SweepListsLightestFirstAndLightestChoosesIt) {
  const fs::path saved = fs::temp_directory_path() / "qelvux_cli_lightest.vux";
  fs::remove(saved);
  const fs::path before = fs::current_path();
  fs::current_path(kData);
  const std::string project = kExamples + "ec5_lattiapalkki.vux";
  const CliRun table = Cli({"--data-dir", kData, "--sweep", project});
  const CliRun json = Cli({"--data-dir", kData, "--sweep", "--json", project});
  const CliRun lightest =
      Cli({"--data-dir", kData, "--lightest", "--save", saved.string(), kExamples + "pilari.vux"});
  const CliRun pilari = Cli({"--data-dir", kData, "--sweep", "--json", kExamples + "pilari.vux"});
  fs::current_path(before);

  EXPECT_EQ(table.code, qv::kCliPass) << table.err;
  EXPECT_NE(table.out.find("massa metriä kohden"), std::string::npos);
  const std::size_t mark = table.out.find("KEVYIN  50*225 ");
  EXPECT_NE(mark, std::string::npos) << table.out;
  EXPECT_EQ(table.out.find("KEVYIN", mark + 1), std::string::npos);  // marked once
  EXPECT_LT(table.out.find("kelpaa", mark), table.out.find("75*150"));
  EXPECT_NE(json.out.find("\"sortedBy\": \"mass\""), std::string::npos);
  EXPECT_NE(json.out.find("\"lightestPassing\": \"50*225\""), std::string::npos);
  EXPECT_NE(json.out.find("\"name\": \"50*225\", \"library\": \"Sahattu_puutavara.pl1\", "
                          "\"index\": 7, \"area\": 11250, \"massPerMetre\": 4.725"),
            std::string::npos)
      << json.out;

  // --lightest saves the section the sweep marks: every lighter row fails.
  EXPECT_NE(lightest.code, qv::kCliError) << lightest.err;
  const std::size_t at = pilari.out.find("\"lightestPassing\": \"");
  ASSERT_NE(at, std::string::npos);
  const std::string name = pilari.out.substr(at + 20, pilari.out.find('"', at + 20) - (at + 20));
  const std::size_t row = pilari.out.find("{\"name\": \"" + name + "\"");
  ASSERT_NE(row, std::string::npos);
  EXPECT_EQ(pilari.out.substr(0, row).find("\"passes\": true"), std::string::npos);
  EXPECT_NE(lightest.out.find("Poikkileikkaus: " + name + " "), std::string::npos);
  QELVUX_data p(kData + "/qelvux");
  ASSERT_EQ(qv::LoadProject(p, saved.string()), 0);
  EXPECT_EQ(p.Profiles.Name(p.Profiles.CurrentIndex), name);
  EXPECT_EQ(Cli({"--search", "--lightest", project}).code, qv::kCliError);
}

// The EC5 purlin (C24, rho_mean 420 kg/m3) with "Oma paino automaattisesti": --search and
// --lightest name the own weight of the section they chose, g * 420 * b * h, and the JSON
// carries it for 75*225: 9.81 * 420 * 16875e-9 = 0.0695 kN/m.
TEST(CommandLine, OwnWeightOfTheChosenSection) {
  std::string text = ReadFile(kExamples + "ec5_orsi.vux");
  const std::string at = "[ ==== 651 ==== ]";
  ASSERT_NE(text.find(at), std::string::npos);
  text.insert(text.find(at), "[ ==== 611 ==== ]\r\n1\r\n500\r\n0\r\n");
  const fs::path project = fs::temp_directory_path() / "qelvux_cli_own_weight.vux";
  std::ofstream(project, std::ios::binary) << text;
  const fs::path before = fs::current_path();
  fs::current_path(kData);
  struct Case {
    const char* option;
  };
  for (const Case& c : {Case{"--search"}, Case{"--lightest"}}) {
    const CliRun r = Cli({"--data-dir", kData, c.option, project.string()});
    const std::size_t name = r.out.find("Poikkileikkaus: ");
    ASSERT_NE(name, std::string::npos) << c.option << r.err;
    double b = 0.0, h = 0.0;
    ASSERT_EQ(std::sscanf(r.out.c_str() + name, "Poikkileikkaus: %lf*%lf", &b, &h), 2);
    char expected[96];
    std::snprintf(expected, sizeof expected, "\nOma paino %.3f kN/m (tiheys 420 kg/m3), ",
                  9.81 * 420.0 * b * h * 1e-9);
    EXPECT_NE(r.out.find(expected), std::string::npos) << c.option << "\n" << r.out;
  }
  const CliRun json = Cli({"--data-dir", kData, "--json", project.string()});
  fs::current_path(before);
  fs::remove(project);
  const std::size_t own = json.out.find("\"ownWeight\": {\"applied\": true, \"lineLoad\": ");
  ASSERT_NE(own, std::string::npos) << json.out;
  EXPECT_NEAR(std::stod(json.out.substr(own + 43)), 9.81 * 420.0 * 75.0 * 225.0 * 1e-9, 1e-12);
  EXPECT_NE(json.out.find("\"density\": 420, \"densitySource\": \"material\""), std::string::npos);
}

TEST(CommandLine, JsonSummaryCarriesEveryCombination) {
  CliRun r = Cli({"--data-dir", kData, "--json", kExamples + "jatkuva_orsi.vux"});
  EXPECT_EQ(r.code, qv::kCliPass) << r.err;
  EXPECT_NE(r.out.find("\"designCode\": 3"), std::string::npos);
  EXPECT_NE(r.out.find("\"section\": \"75*225\""), std::string::npos);
  EXPECT_NE(r.out.find("\"material\": \"C24\""), std::string::npos);
  EXPECT_NE(r.out.find("\"overallUtilisation\": 73.2"), std::string::npos);
  EXPECT_NE(r.out.find("\"passes\": true"), std::string::npos);
  EXPECT_NE(r.out.find("\"name\": \"Taivutus\""), std::string::npos);
  EXPECT_NE(r.out.find("\"utilisationY\""), std::string::npos);
  // Balanced brackets: a cheap guard against a malformed document.
  int depth = 0;
  for (char ch : r.out) {
    if (ch == '{' || ch == '[') ++depth;
    if (ch == '}' || ch == ']') --depth;
    EXPECT_GE(depth, 0);
  }
  EXPECT_EQ(depth, 0);
}

// Projects that cannot be designed end with their reason on stderr, exit code 2 and no
// report, with and without the search: never a percentage of no meaning.
TEST(CommandLine, ProjectsThatCannotBeDesignedExitWithTwo) {
  struct Case {
    const char* name;
    void (*change)(QELVUX_data&);
    const char* message;
  };
  const Case cases[] = {
      {"a mechanism: pinned and sliding Y",
       [](QELVUX_data& p) {
         RakenneVektori& m = p.Member;
         m.ClearRecords();
         m.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
         m.AddPoint(" ", RakenneVektori::kSupport, RakenneVektori::kSlidingY, m.Length);
       },
       "Palkkia ei ole tuettu riittävästi!"},
      {"deflections only, material beyond the table",
       [](QELVUX_data& p) {
         p.Settings.Jannitys = 0;
         p.Materials.SetMaterial(p.DesignCode, 99);
       },
       "Eurocode.dat: materiaalia 99 ei ole taulukossa"},
      {"every check switched off",
       [](QELVUX_data& p) { p.Settings.SetCheckGroups(false, false, false, false); },
       "mitään ei tarkastettu"},
      {"no combination is designed",
       [](QELVUX_data& p) {
         KuormaYhdVektori& c = p.Loads.Combinations();
         c.Clear();
         c.AddHeader(0, KuormaYhdVektori::kNoDesign);
         c.AddFactor(0, 0, 1.0);
       },
       "mitään ei tarkastettu"},
      {"a partial factor the dialog refuses",
       [](QELVUX_data& p) { p.Materials.SetEc5PartialFactor(0.001); },
       "virhenumero = 609 (Osavarmuuskerroin (jännitystarkastelu): 0.001000)"},
      {"a buckling-length factor of 0", [](QELVUX_data& p) { p.Settings.NurjKerrY = 0.0; },
       "virhenumero = 607 (Kerroin: 0.000000)"},
      {"a relative limit beyond the list", [](QELVUX_data& p) { p.Settings.Yrel1 = 5000.0; },
       "virhenumero = 602 (Sallittu siirtymä 1 (y) L/n:"},
  };
  for (const Case& c : cases) {
    QELVUX_data p(kData + "/qelvux");
    ASSERT_EQ(qv::LoadProject(p, kExamples + "jatkuva_orsi.vux"), 0);
    c.change(p);
    const fs::path file = fs::temp_directory_path() / "qelvux_cli_undesignable.vux";
    ASSERT_EQ(qv::SaveProject(p, file.string()), 0) << c.name;
    for (bool search : {false, true}) {
      std::vector<std::string> args = {"--data-dir", kData, file.string()};
      if (search) args.insert(args.begin(), "--search");
      CliRun r = Cli(args);
      EXPECT_EQ(r.code, qv::kCliError) << c.name;
      EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
      EXPECT_EQ(r.out.find("Kokonaiskäyttöaste:\t0.0"), std::string::npos) << c.name;
    }
  }
}

}  // namespace
