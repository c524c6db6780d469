// The command-line designer: arguments, exit codes, the report and summary of the examples.
#include <gtest/gtest.h>

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
  for (const char* opt : {"--search", "--save", "--json", "--data-dir", "--help-en"}) {
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
