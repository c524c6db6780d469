// Command-line designer: arguments, the chain of the report page, exit codes.
#include "cli/CommandLineDesigner.h"

#include <filesystem>
#include <ostream>
#include <sstream>

#include "cli/Batch.h"
#include "cli/CliJson.h"
#include "cli/CliSweep.h"
#include "design/DesignRun.h"
#include "design/SectionSearch.h"
#include "design/UncheckedNotes.h"
#include "pagelogic/SupportCheck.h"
#include "model/TextCodec.h"
#include "pagelogic/ReportAssembly.h"
#include "project/ProjectOwnWeight.h"
#include "project/ProgramData.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace qv {

int ParseCliArguments(const std::vector<std::string>& args, CliOptions& o, std::string& error) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& to) {
      if (i + 1 >= args.size()) {
        error = "Valitsimelta " + a + " puuttuu arvo.";
        return false;
      }
      to = args[++i];
      return true;
    };
    if (a == "--help" || a == "-h") {
      o.help = true;
    } else if (a == "--help-en") {
      o.help = true;
      o.english = true;
    } else if (a == "--search") {
      o.search = true;
    } else if (a == "--sweep") {
      o.sweep = true;
    } else if (a == "--lightest") {
      o.lightest = true;
    } else if (a == "--all-libraries") {
      o.allLibraries = true;
    } else if (a == "--json") {
      o.json = true;
    } else if (a == "--save") {
      if (!value(o.saveAs)) return kCliError;
      if (o.saveAs.empty()) {
        error = "Valitsimelle --save on annettava tiedoston nimi.";
        return kCliError;
      }
    } else if (a == "--pdf") {
      if (!value(o.pdf)) return kCliError;
      if (o.pdf.empty()) {
        error = "Valitsimelle --pdf on annettava tiedoston nimi.";
        return kCliError;
      }
    } else if (a == "--data-dir") {
      if (!value(o.dataDir)) return kCliError;
    } else if (const int batch = ParseBatchOption(args, i, o, error); batch >= 0) {
      if (batch != 0) return kCliError;
    } else if (a.size() > 1 && a[0] == '-') {
      error = "Tuntematon valitsin: " + a;
      return kCliError;
    } else {
      o.projects.push_back(a);
    }
  }
  if (o.search && o.lightest) {
    error = "Anna vain toinen valitsimista --search ja --lightest.";
    return kCliError;
  }
  if (!o.help && o.projects.empty()) {
    error = "Projektitiedosto puuttuu.";
    return kCliError;
  }
  return o.help ? 0 : CheckBatchOptions(o, error);
}

std::string CliHelpText(bool english) {
  if (english) {
    return "Usage: qelvux-cli [options] PROJECT.vux [PROJECT.vux ...]\n"
           "\n"
           "Loads a QEL-VUX 2.0 project, analyses and designs the member and prints the\n"
           "report with every section switched on. Several projects are designed one by\n"
           "one, each on its own; \"-\" reads their paths from standard input, one a line.\n"
           "\n"
           "Options:\n"
           "  --search          search the section library forward from the project's\n"
           "                    section for the first section that passes, and print it\n"
           "  --sweep           design every section of the library and print them\n"
           "                    lightest first, the lightest passing one marked\n"
           "  --lightest        choose the lightest section of the library that passes\n"
           "  --all-libraries   --sweep and --lightest also over every section library\n"
           "                    of the program's data folder\n"
           "  --save FILE       save the project (with the section found) to FILE\n"
           "  --save-dir DIR    save each project under its own name in DIR\n"
           "  --json            print a machine-readable summary instead of the report,\n"
           "                    one line (JSON Lines) per project\n"
           "  --pdf FILE        also write the calculation document (header, figures,\n"
           "                    formulas) as PDF to FILE (one project); needs no display\n"
           "  -j N              design on N threads (default: one per processor); the\n"
           "                    output keeps the order of the projects\n"
           "  --data-dir DIR    read the table and default files from DIR instead of\n"
           "                    the program's folder\n"
           "  --help            this help in Finnish; --help-en in English\n"
           "\n"
           "Exit codes: 0 the design passes (overall utilisation at most 100 %),\n"
           "1 the design fails, 2 bad arguments, a file that cannot be read, a project\n"
           "that does not load, a member its supports do not hold, a failed analysis, a\n"
           "design that could not be made or one that checked nothing. With --sweep:\n"
           "0 a section passes, 1 none passes. Of several projects the worst code (2\n"
           "before 1 before 0). Several projects printed to a terminal give a summary\n"
           "table instead of the reports.\n";
  }
  return "Käyttö: qelvux-cli [valitsimet] PROJEKTI.vux [PROJEKTI.vux ...]\n"
         "\n"
         "Lukee QEL-VUX 2.0 -projektin, laskee ja mitoittaa sauvan ja tulostaa\n"
         "tulostiedoston kaikki osat. Useat projektit mitoitetaan kukin erikseen;\n"
         "\"-\" lukee projektien polut vakiosyötteestä, yksi rivillään.\n"
         "\n"
         "Valitsimet:\n"
         "  --search          etsii kirjastosta projektin poikkileikkauksen jälkeen\n"
         "                    ensimmäisen kelpaavan poikkileikkauksen ja tulostaa sen\n"
         "  --sweep           mitoittaa kirjaston kaikki poikkileikkaukset ja tulostaa\n"
         "                    ne kevyimmästä alkaen, kevyin kelpaava merkittynä\n"
         "  --lightest        valitsee kirjaston kevyimmän kelpaavan poikkileikkauksen\n"
         "  --all-libraries   --sweep ja --lightest myös ohjelman datakansion\n"
         "                    kaikista poikkileikkauskirjastoista\n"
         "  --save TIEDOSTO   tallentaa projektin (löydetyllä poikkileikkauksella)\n"
         "  --save-dir KANSIO tallentaa kunkin projektin omalla nimellään KANSIOon\n"
         "  --json            tulostaa koneluettavan yhteenvedon tulostiedoston sijaan,\n"
         "                    rivin (JSON Lines) projektia kohden\n"
         "  --pdf TIEDOSTO    kirjoittaa lisäksi laskelman (ylä- ja alatunniste, kuvat,\n"
         "                    kaavat) PDF-tiedostoon (yksi projekti); ei tarvitse näyttöä\n"
         "  -j N              mitoittaa N säikeellä (oletus: yksi suoritinta kohden);\n"
         "                    tuloste pysyy projektien järjestyksessä\n"
         "  --data-dir KANSIO lukee taulukko- ja oletustiedostot KANSIOsta ohjelman\n"
         "                    kansion sijaan\n"
         "  --help            tämä ohje; --help-en englanniksi\n"
         "\n"
         "Paluuarvot: 0 mitoitus kelpaa (kokonaiskäyttöaste enintään 100 %),\n"
         "1 mitoitus ei kelpaa, 2 virheelliset valitsimet, tiedostoa ei voi lukea,\n"
         "projekti ei lataudu, sauvaa ei ole tuettu riittävästi, laskenta epäonnistui,\n"
         "mitoitusta ei voitu tehdä tai mitään ei tarkastettu. Valitsimella --sweep:\n"
         "0 jokin poikkileikkaus kelpaa, 1 mikään ei kelpaa. Useasta projektista\n"
         "huonoin (2 ennen 1:tä ennen 0:aa). Päätteeseen tulostetaan useasta\n"
         "projektista yhteenvetotaulukko tulostiedostojen sijaan.\n";
}

std::string OwnWeightLine(const QELVUX_data& project) {
  const ProjectOwnWeight w = OwnWeightOf(project);
  if (!w.on) return std::string();
  if (!w.Applies()) return w.problem + "\n";
  return OwnWeightLabel(w) + ", " + OwnWeightDensitySource(w) + ", kuormitustapaus " +
         project.Loads.Cases().Name(w.loadCase) + "\n";
}

namespace {

// The record reads its data files from the folder of the path it is given.
std::string ProgramPathFor(const CliOptions& o, const std::string& programPath) {
  if (o.dataDir.empty()) return programPath;
  std::string dir = o.dataDir;
  if (dir.back() != '/' && dir.back() != '\\') dir += '/';
  return dir + "qelvux-cli";
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, const std::string& programPath,
                   std::ostream& out, std::ostream& err, const CliPdfWriter& pdf) {
  std::istringstream nothing;
  return RunCommandLine(args, programPath, nothing, out, err, false, pdf);
}

int RunCommandLine(const std::vector<std::string>& args, const std::string& programPath,
                   std::istream& in, std::ostream& out, std::ostream& err, bool outIsTerminal,
                   const CliPdfWriter& pdf) {
  CliOptions o;
  std::string error;
  if (ParseCliArguments(args, o, error) != 0) {
    err << "qelvux-cli: " << error << "\n\n" << CliHelpText(false);
    return kCliError;
  }
  if (o.help) {
    out << CliHelpText(o.english);
    return 0;
  }
  if (!o.pdf.empty() && !pdf) {
    err << "qelvux-cli: tämä ohjelma on käännetty ilman PDF-tulostusta.\n";
    return kCliError;
  }
  if (!o.dataDir.empty() && !std::filesystem::is_directory(o.dataDir)) {
    err << "qelvux-cli: Kansiota " << o.dataDir << " ei ole.\n";
    return kCliError;
  }
  o.pdfWriter = pdf;
  return RunBatch(o, programPath, in, out, err, outIsTerminal);
}

std::shared_ptr<const ProgramData> ReadCliData(const CliOptions& o,
                                               const std::string& programPath) {
  return std::make_shared<const ProgramData>(ProgramPathFor(o, programPath));
}

int RunProjectChain(const CliOptions& o, const std::shared_ptr<const ProgramData>& data,
                    std::ostream& out, std::ostream& err, CliDesignFacts& facts) {
  const std::string unreadable = UnreadableReason(o.project);
  if (!unreadable.empty()) {
    err << "qelvux-cli: " << o.project << " " << unreadable << ".\n";
    return kCliError;
  }

  QELVUX_data project(data);
  std::string message;
  if (LoadProject(project, o.project, &message) != 0) {
    err << "TIEDOSTOVIRHE: " << message << "\n";
    return kCliError;
  }
  if (!message.empty()) err << "Huom: " << message << "\n";

  // As the window does on leaving "Rakenne": a member that is not held is a mechanism,
  // which the penalty supports would solve into numbers of no meaning.
  if (SupportCheck(project, message) != 0) {
    err << message << "\n";
    return kCliError;
  }

  std::vector<std::string> analysis;
  if (EnsureAnalysis(project, true, &analysis) != 0) {
    for (const auto& line : analysis) err << line << "\n";
    return kCliError;
  }

  if (o.search) {
    const SectionSearchResult s = SearchNextSection(project);
    if (s.analysisStatus != 0) {
      err << "qelvux-cli: laskenta epäonnistui.\n";
      return kCliError;
    }
    if (s.NotFound()) {
      err << kSearchNotFoundText << "\n";
    } else if (s.searched) {
      (o.json ? err : out) << "Poikkileikkaus: " << project.Profiles.Name(s.found) << "\n"
                           << OwnWeightLine(project);
    } else {
      err << "Valittu poikkileikkaus on kirjaston viimeinen.\n";
    }
  }

  if (o.sweep || o.lightest) {
    const int swept =
        SweepAndChoose(project, o.sweep, o.lightest, o.allLibraries, o.json, out, err);
    if (swept == kCliError) return swept;
    // The table stands in for the report.
    if (o.sweep) {
      if (!o.saveAs.empty() && SaveProject(project, o.saveAs, &message) != 0) {
        err << "TIEDOSTOVIRHE: " << message << "\n";
        return kCliError;
      }
      return swept;
    }
  }

  DesignRunResult run;
  const int passes = RunProjectDesign(project, false, run);
  if (run.analysisStatus != 0) {
    for (const auto& line : run.analysisMessages) err << line << "\n";
    return kCliError;
  }

  facts.designed = true;
  facts.section =
      project.Profiles.HasCurrent() ? project.Profiles.Name(project.Profiles.CurrentIndex) : "?";
  facts.overall = run.tree.overall;
  facts.governing = FindGoverningCheck(run.results);
  if (o.json) {
    facts.summaryJson = DesignSummaryJson(project, run);
  } else {
    QELVUX_data& p = project;
    for (auto& s : p.ReportSwitches) s = 1;
    for (const auto& line : BuildReportLines(p, run.results)) out << line << "\n";
  }
  if (!o.pdf.empty()) {
    for (auto& s : project.ReportSwitches) s = 1;
    if (!o.pdfWriter || !o.pdfWriter(project, o.pdf, message)) {
      err << "TIEDOSTOVIRHE: PDF-tiedoston " << o.pdf << " tallennus epäonnistui: " << message
          << "\n";
      return kCliError;
    }
  }

  if (!o.saveAs.empty() && SaveProject(project, o.saveAs, &message) != 0) {
    err << "TIEDOSTOVIRHE: " << message << "\n";
    return kCliError;
  }
  if (run.results.NothingChecked()) {
    err << "qelvux-cli: mitään ei tarkastettu: projektissa ei ole mitoitettavia "
           "kuormitusyhdistelmiä tai tarkastelut on kytketty pois.\n";
    return kCliError;
  }
  if (!run.tree.allChecksRan) {
    err << "qelvux-cli: kaikkia yhdistelmiä ei voitu mitoittaa:\n";
    for (const auto* group : {&run.results.stress, &run.results.deflection}) {
      for (const CombinationDesign& c : *group)
        if (!c.Ran()) err << "  " << c.name << ": " << NotRunLine(c) << "\n";
    }
    return kCliError;
  }
  return passes ? kCliPass : kCliFail;
}

}  // namespace qv
