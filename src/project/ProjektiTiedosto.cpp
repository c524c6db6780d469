// The project file: sections 1 to 999 written in order, read back with the program's checks.
#include "project/ProjektiTiedosto.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iterator>
#include <utility>

#include "design/data/MitoitusAsetuksetRajat.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "project/ProgramData.h"
#include "project/ProjectMeaning.h"
#include "project/ProjectOwnWeight.h"
#include "project/QELVUX_data.h"

namespace qv {
namespace {

constexpr double kSettingMax = 100000.0;

// A text written on a line of its own must stay one line and never pose as a header.
std::string LineSafe(const std::string& text) {
  std::string t = text;
  for (auto& c : t) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  if (t.empty()) t = " ";
  if (t.compare(0, 7, "[ ==== ") == 0) t.insert(t.begin(), ' ');
  return t;
}

std::string Fmt(const char* format, int n) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, n);
  return buf;
}

void AddVectorSection(CSVTiedosto& f, int section, const QELvektori& v) {
  for (int i = 0; i < v.Count(); ++i) f.AddLine(section, v.FormatRecord(i));
}

// Parses every line of a section as a number in [min, max]; all or nothing.
bool ParseAll(const CSVTiedosto& f, int section, double min, double max,
              std::vector<double>& values, std::string& message) {
  values.clear();
  for (int k = 1; k <= f.LineCount(section); ++k) {
    const std::string line = f.GetLine(section, k);
    double v = 0.0;
    if (ParseNumber(line, min, max, v) != 0) {
      message = Fmt("virhenumero = %d (", section) + CutChars(line, 30) + ")";
      return false;
    }
    values.push_back(v);
  }
  return true;
}

class Loader {
 public:
  Loader(QELVUX_data& p) : p_(p), f_(p.TextFile) {}

  int Run(std::string& message) {
    int rc = CheckHeader();
    if (rc != 0) {
      message = (rc == -1 || rc == -4) ? kProjectNotVuxFile : Fmt("virhenumero = %d", -rc);
      return rc;
    }
    using Step = bool (Loader::*)();
    const Step steps[] = {&Loader::Section101, &Loader::Section102, &Loader::Section201,
                          &Loader::Section211, &Loader::Section301, &Loader::Section311,
                          &Loader::Section401, &Loader::Section501, &Loader::Section60x,
                          &Loader::Section611, &Loader::Section651, &Loader::Section652,
                          &Loader::Section701, &Loader::Section702, &Loader::Section801};
    for (Step s : steps) {
      if (!(this->*s)()) {
        message = message_;
        return code_;
      }
    }
    // Read well is not enough: what does not belong would be skipped by the analysis and
    // designed as if it were not there.
    const int meaning = CheckProjectMeaning(p_, f_, message);
    if (meaning == 0) message = note_;
    return meaning;
  }

 private:
  int CheckHeader() const {
    if (f_.LineCount(1) < 4) return -4;
    int rc = 0;
    if (f_.GetLine(1, 1) != "QEL-VUX") rc = -1;
    if (f_.GetLine(1, 2) != "INPUTFILE") rc = -2;
    double v = 0.0;
    if (ParseNumber(f_.GetLine(1, 3), 2.0, 1000.0, v) != 0 || v != 2.0) rc = -3;
    return rc;
  }

  bool Fail(int section, const std::string& message) {
    code_ = -section;
    message_ = message;
    return false;
  }

  bool CountIs(int section, int count) {
    if (f_.LineCount(section) == count) return true;
    return Fail(section, Fmt("virhenumero = %d (tietomäärä ei täsmää)", section));
  }

  // Parses line k of a section into a range; a failure marks the section, the field stays.
  bool Field(int section, int k, double min, double max, double& out, bool& ok) {
    double v = 0.0;
    if (ParseNumber(f_.GetLine(section, k), min, max, v) != 0) {
      ok = false;
      return false;
    }
    out = v;
    return true;
  }

  bool Section101() {
    p_.ClearResultValues();
    p_.ResultKind = -1;
    p_.ResultCase = 0;
    p_.AnalysisValid = 0;
    if (!CountIs(101, 4)) return false;
    bool ok = true;
    double v = 0.0;
    if (Field(101, 1, 1, 4, v, ok) && !qv::DesignCodeFromInt(static_cast<int>(v), p_.DesignCode))
      ok = false;
    if (Field(101, 2, 10, 200, v, ok)) p_.ResultSteps = static_cast<int>(v);
    if (Field(101, 3, 0, 1, v, ok)) p_.InfoDisplay = static_cast<int>(v);
    if (Field(101, 4, 0, 1, v, ok)) p_.TreeExpansion = static_cast<int>(v);
    return ok || Fail(101, Fmt("virhenumero = %d", 101));
  }

  bool Section102() {
    const int n = f_.LineCount(102);
    if (n < 4) return Fail(102, Fmt("virhenumero = %d (tietomäärä ei täsmää)", 102));
    p_.CalculatedBy = f_.GetLine(102, 1);
    p_.Contact = f_.GetLine(102, 2);
    p_.Site = f_.GetLine(102, 3);
    std::string other = f_.GetLine(102, 4);
    for (int k = 5; k <= n; ++k) other += "\r\n" + f_.GetLine(102, k);
    p_.OtherInfo = other;
    return true;
  }

  bool Section201() {
    if (!CountIs(201, 4)) return false;
    bool ok = true;
    double v = 0.0;
    if (Field(201, 1, 0, 100000, v, ok)) p_.Member.LoadWidth = v;
    if (Field(201, 2, 0, 90, v, ok)) p_.Member.Angle = v;
    if (Field(201, 3, 1, 100000, v, ok)) p_.Member.Length = v;
    p_.Member.Name = f_.GetLine(201, 4);
    p_.Member.CurrentIndex = -1;
    return ok || Fail(201, Fmt("virhenumero = %d", 201));
  }

  bool Records(int section, QELvektori& v) {
    qv::FieldBuffers fields;
    for (int k = 1; k <= f_.LineCount(section); ++k) {
      const std::string line = f_.GetLine(section, k);
      const int rc = v.ParseRecord(line, fields);
      if (rc < 0) {
        char head[80];
        std::snprintf(head, sizeof head, "%d, rivi %d: pal=%d (", section, k, rc);
        return Fail(section, head + line + ")");
      }
    }
    return true;
  }

  bool Section211() {
    p_.Member.ClearRecords();
    return Records(211, p_.Member);
  }

  bool Section301() {
    p_.Loads.Cases().ClearRecords();
    p_.Loads.SetCaseCategories({});
    return Records(301, p_.Loads.Cases());
  }

  // Code 4: the category of each load case. Missing: every case takes its default.
  bool Section311() {
    if (p_.DesignCode != qv::DesignCode::kEc5 || !f_.HasSection(311)) return true;
    std::vector<qv::LoadCategory> categories;
    const std::string problem = qv::ReadCaseCategories(f_, p_.Loads.Cases().Count(), categories);
    if (!problem.empty() || f_.LineCount(311) != p_.Loads.Cases().Count())
      return Fail(311, Fmt("virhenumero = %d (kuormaluokka ei kelpaa)", 311));
    p_.Loads.SetCaseCategories(categories);
    return true;
  }

  bool Section401() {
    p_.Loads.Combinations().Clear();
    if (f_.LineCount(401) < 1)
      return Fail(401, Fmt("virhenumero = %d (KY-määrittelyt puuttuu)", 401));
    return Records(401, p_.Loads.Combinations());
  }

  bool Section501() {
    p_.Loads.ClearLoads();
    p_.Loads.VisibleCase = -1;
    return Records(501, p_.Loads);
  }

  bool Section60x() {
    struct Block {
      int section;
      int first;  // first settings field of the section
      int count;
    };
    const Block blocks[] = {{601, 1, 1},  {602, 2, 4},  {603, 6, 4},  {604, 10, 4},
                            {605, 14, 4}, {606, 18, 4}, {607, 22, 6}, {608, 28, 3}};
    std::vector<double> values;
    for (const Block& b : blocks) {
      if (!CountIs(b.section, b.count)) return false;
      if (!ParseAll(f_, b.section, 0, kSettingMax, values, message_))
        return Fail(b.section, message_);
      for (int k = 0; k < b.count; ++k)
        p_.Settings.SetField(b.first + k, values[static_cast<std::size_t>(k)]);
    }
    if (!CountIs(609, 3)) return false;
    if (!ParseAll(f_, 609, 0, kSettingMax, values, message_)) return Fail(609, message_);
    // Held to what the settings dialog accepts: a partial factor of 0.001 would pass
    // everything, one of 0 would silently become the default.
    int section = 0;
    const std::string bad =
        mitoitusasetukset::SettingOutOfRange(p_.Settings, values[0], values[1], values[2], section);
    if (!bad.empty()) return Fail(section, Fmt("virhenumero = %d (", section) + bad + ")");
    p_.Materials.SetLimitStatePartialFactor(values[0]);
    p_.Materials.SetAllowableRaiseFactor(values[1]);
    p_.Materials.SetEc5PartialFactor(values[2]);
    return true;
  }

  // "Oma paino automaattisesti", written only when it is on. Missing: off. A case that is not
  // there or not permanent (a file edited by hand) is no reason to refuse the project: the
  // weight goes to the first permanent case, and the user is told where.
  bool Section611() {
    p_.Loads.OwnWeight = OwnWeightSetting();
    if (!f_.HasSection(611)) return true;
    if (!CountIs(611, 3)) return false;
    OwnWeightSetting read;
    bool ok = true;
    double v = 0.0;
    if (Field(611, 1, 0, 1, v, ok)) {
      if (v == 0.0 || v == 1.0)
        read.on = v == 1.0;
      else
        ok = false;
    }
    if (Field(611, 2, kOwnWeightDensityMin, kOwnWeightDensityMax, v, ok)) read.density = v;
    double chosen = -1.0;
    Field(611, 3, -1.0e9, 1.0e9, chosen, ok);
    if (!ok) return Fail(611, Fmt("virhenumero = %d", 611));
    const KuormitustapausVektori& cases = p_.Loads.Cases();
    const bool isCase = chosen == std::floor(chosen) && cases.IsValid(static_cast<int>(chosen));
    read.loadCase = isCase ? static_cast<int>(chosen) : -1;
    p_.Loads.OwnWeight = read;
    if (!read.on || (isCase && p_.Loads.IsPermanentCase(read.loadCase))) return true;
    const int used = p_.Loads.OwnWeightCase();
    std::string why =
        isCase ? "Oman painon kuormitustapaus " + cases.Name(read.loadCase) + " ei ole pysyvä"
               : "Oman painon kuormitustapausta " + CutChars(f_.GetLine(611, 3), 20) + " ei ole";
    if (used >= 0) {
      why += ": oma paino lasketaan kuormitustapauksessa " + cases.Name(used) + ".";
      p_.Loads.OwnWeight.loadCase = used;
    } else {
      why += ". " + std::string(kOwnWeightNoCaseText);
    }
    AddNote(why);
    return true;
  }

  // Code 4: consequence class, Table 6.1 factor, load position, kc,90 and the three
  // deflection limits. Missing: the defaults.
  bool Section651() {
    p_.Settings.ec5 = Ec5NaSettings();
    if (p_.DesignCode != qv::DesignCode::kEc5 || !f_.HasSection(651)) return true;
    if (!CountIs(651, 7)) return false;
    bool ok = true;
    double v = 0.0;
    Ec5NaSettings& s = p_.Settings.ec5;
    // The class and the position are whole numbers; 2.5 is no class.
    auto whole = [&](int k, int min, int max, int& out) {
      if (Field(651, k, min, max, v, ok) && v == std::floor(v))
        out = static_cast<int>(v);
      else
        ok = false;
    };
    whole(1, 1, 3, s.consequenceClass);
    if (Field(651, 2, 0.1, 2.0, v, ok)) s.ltbFactor = v;
    whole(3, 0, 2, s.loadPosition);
    if (Field(651, 4, 0.5, 2.0, v, ok)) s.kc90 = v;
    if (Field(651, 5, 0, 10000, v, ok)) s.winstLimit = v;
    if (Field(651, 6, 0, 10000, v, ok)) s.wnetfinLimit = v;
    if (Field(651, 7, 0, 10000, v, ok)) s.wfinLimit = v;
    return ok || Fail(651, Fmt("virhenumero = %d", 651));
  }

  // Code 4: the floor vibration check, written only when it is on. Missing: off.
  bool Section652() {
    FloorVibrationSettings& s = p_.Settings.ec5.vibration;
    s = FloorVibrationSettings();
    if (p_.DesignCode != qv::DesignCode::kEc5 || !f_.HasSection(652)) return true;
    if (!CountIs(652, 8)) return false;
    FloorVibrationSettings read;
    bool ok = true;
    double v = 0.0;
    if (Field(652, 1, 0, 1, v, ok)) {
      if (v == 0.0 || v == 1.0)
        read.on = v == 1.0;
      else
        ok = false;
    }
    const std::pair<FloorVibrationRange, double*> fields[] = {
        {kFloorWidthRange, &read.floorWidth},
        {kTransverseStiffnessRange, &read.transverseStiffness},
        {kFloorMassRange, &read.mass},
        {kDampingRange, &read.damping},
        {kVelocityBaseRange, &read.velocityBase},
        {kVibrationDeflectionRange, &read.deflectionLimit},
        {kFrequencyLimitRange, &read.frequencyLimit}};
    int k = 2;
    for (const auto& [range, out] : fields) Field(652, k++, range.min, range.max, *out, ok);
    if (!ok) return Fail(652, Fmt("virhenumero = %d", 652));
    s = read;
    return true;
  }

  bool Section701() {
    if (!CountIs(701, 6)) return false;
    std::vector<double> values;
    if (!ParseAll(f_, 701, 1, kSettingMax, values, message_)) return Fail(701, message_);
    // The moisture classes of the codes in their order, then their materials.
    const std::size_t codes = std::size(qv::kSection701Codes);
    for (std::size_t i = 0; i < codes; ++i) {
      p_.Materials.SetMoistureClass(qv::kSection701Codes[i], static_cast<int>(values[i]));
      p_.Materials.SetMaterial(qv::kSection701Codes[i], static_cast<int>(values[i + codes]));
    }
    return true;
  }

  // Code 4: its service class and material. Missing: the first of each.
  bool Section702() {
    const qv::DesignCode code = qv::DesignCode::kEc5;
    p_.Materials.SetMoistureClass(code, 1);
    p_.Materials.SetMaterial(code, 1);
    if (p_.DesignCode != code || !f_.HasSection(702)) return true;
    if (!CountIs(702, 2)) return false;
    std::vector<double> values;
    if (!ParseAll(f_, 702, 1, kSettingMax, values, message_)) return Fail(702, message_);
    p_.Materials.SetMoistureClass(code, static_cast<int>(values[0]));
    p_.Materials.SetMaterial(code, static_cast<int>(values[1]));
    return true;
  }

  // A library saved by a relative name is looked for in the working folder, then beside the
  // project file, then in the program's data folder: a project opened from elsewhere finds it.
  // A path that does not exist here (a moved folder, a path written on Windows with
  // backslashes and a drive letter) is looked for by its file name in those two folders.
  std::string LibraryPath(const std::string& saved) const {
    namespace fs = std::filesystem;
    if (saved.empty() || ProfiiliVektori::FileExists(saved)) return saved;
    std::vector<fs::path> folders;
    if (!f_.FileName().empty()) folders.push_back(fs::path(f_.FileName()).parent_path());
    if (!p_.DataFolder().empty()) folders.push_back(fs::path(p_.DataFolder()));
    const bool relative = !fs::path(saved).is_absolute() && saved.find('\\') == std::string::npos &&
                          saved.find(':') == std::string::npos;
    const std::size_t cut = saved.find_last_of("/\\");
    const std::string fileName = cut == std::string::npos ? saved : saved.substr(cut + 1);
    for (const std::string& name : {relative ? saved : std::string(), fileName}) {
      if (name.empty()) continue;
      for (const fs::path& folder : folders) {
        const std::string candidate = (folder / name).string();
        if (ProfiiliVektori::FileExists(candidate)) return candidate;
      }
    }
    return saved;
  }

  bool Section801() {
    if (!CountIs(801, 4)) return false;
    ProfiiliVektori& lib = p_.Profiles;
    const std::string path = LibraryPath(f_.GetLine(801, 1));
    const std::string savedName = f_.GetLine(801, 3);
    const bool libraryFound = ProfiiliVektori::FileExists(path);
    if (libraryFound && ReadSavedLibrary(path)) {
      double v = -1.0;
      if (ParseNumber(f_.GetLine(801, 2), 0, lib.Count() - 1, v) == 0 &&
          lib.Name(static_cast<int>(v)) == savedName) {
        lib.CurrentIndex = static_cast<int>(v);
        return true;
      }
    }
    // The library is gone or has changed: keep working with the saved section alone.
    lib.ClearRecords();
    lib.HeaderComments.clear();
    lib.UnusableLines.clear();
    lib.ProjectName.clear();
    lib.SetFileName("?");
    const std::string line = f_.GetLine(801, 4);
    if (lib.ParseRecord(line) == 1 && lib.IsUsableSection(0)) {
      lib.CurrentIndex = 0;
      return true;
    }
    // A section the program cannot design with: the library's first one is chosen instead,
    // and the user is told. Without any section nothing could be designed, and every check
    // would pass, so the project is refused then.
    if (libraryFound && ReadSavedLibrary(path)) {
      lib.CurrentIndex = 0;
      AddNote("Tallennettua poikkileikkausta (" + CutChars(line, 30) +
              ") ei voi käyttää: valittu kirjaston ensimmäinen poikkileikkaus " + lib.Name(0) +
              ".");
      return true;
    }
    lib.ClearRecords();
    lib.CurrentIndex = -1;
    return Fail(801, Fmt("virhenumero = %d (", 801) + CutChars(line, 30) + ")");
  }

  // Reads the project's library: true when it holds sections.
  bool ReadSavedLibrary(const std::string& path) {
    ProfiiliVektori& lib = p_.Profiles;
    const ProgramData* data = p_.SharedData();
    const ProfiiliVektori* read = data ? data->LibraryAt(path) : nullptr;
    if (read) {
      // The batch read this library once: the same as reading the file again.
      const int current = lib.CurrentIndex;
      lib = *read;
      lib.CurrentIndex = current;
    } else {
      const int rc = lib.ReadLibrary(path);
      if ((rc != 0 && rc != -2) || lib.Count() <= 0) return false;
    }
    // Found by a name the project gave: the project keeps that name.
    if (path != f_.GetLine(801, 1)) lib.ProjectName = f_.GetLine(801, 1);
    return true;
  }

  void AddNote(const std::string& text) { note_ += (note_.empty() ? "" : "\n") + text; }

  QELVUX_data& p_;
  const CSVTiedosto& f_;
  int code_ = 0;
  std::string message_;
  std::string note_;  // what the user is told of a project that opened all the same
};

}  // namespace

void BuildProjectFile(QELVUX_data& p) { BuildProjectFile(p, p.TextFile); }

void BuildProjectFile(const QELVUX_data& p, CSVTiedosto& f) {
  f.Clear();
  for (const char* line : {"QEL-VUX", "INPUTFILE", "2.0", "1.0"}) f.AddLine(1, line);
  for (int v : {qv::ToInt(p.DesignCode), p.ResultSteps, p.InfoDisplay, p.TreeExpansion})
    f.AddLine(101, std::to_string(v));

  f.AddLine(102, LineSafe(p.CalculatedBy));
  f.AddLine(102, LineSafe(p.Contact));
  f.AddLine(102, LineSafe(p.Site));
  if (p.OtherInfo.empty()) {
    f.AddLine(102, " ");
  } else {
    // Lines of the other information follow one another at the end of the section.
    const std::vector<std::string> other = SplitLines(p.OtherInfo);
    if (other.empty()) f.AddLine(102, " ");
    for (const auto& line : other) f.AddLine(102, line.empty() ? std::string() : LineSafe(line));
  }

  f.AddLine(201, FormatFixed(p.Member.LoadWidth, 2));
  f.AddLine(201, FormatFixed(p.Member.Angle, 2));
  f.AddLine(201, FormatFixed(p.Member.Length, 2));
  f.AddLine(201, LineSafe(p.Member.Name));

  AddVectorSection(f, 211, p.Member);
  AddVectorSection(f, 301, p.Loads.Cases());
  const bool code4 = p.DesignCode == qv::DesignCode::kEc5;
  if (code4) {
    f.AddSection(311);
    for (qv::LoadCategory c : p.Loads.CaseCategories())
      f.AddLine(311, std::to_string(qv::ToInt(c)));
  }
  AddVectorSection(f, 401, p.Loads.Combinations());
  AddVectorSection(f, 501, p.Loads);

  const MitoitusAsetukset& s = p.Settings;
  auto fixed = [&](int section, int first, int count, int decimals) {
    for (int n = first; n < first + count; ++n)
      f.AddLine(section, FormatFixed(s.Field(n), decimals));
  };
  auto ints = [&](int section, int first) {
    for (int n = first; n < first + 4; ++n)
      f.AddLine(section, std::to_string(static_cast<int>(s.Field(n))));
  };
  fixed(601, 1, 1, 2);
  fixed(602, 2, 4, 2);
  fixed(603, 6, 4, 2);
  fixed(604, 10, 4, 2);
  ints(605, 14);
  ints(606, 18);
  fixed(607, 22, 6, 2);
  fixed(608, 28, 1, 2);
  fixed(608, 29, 2, 3);
  f.AddLine(609, FormatFixed(p.Materials.LimitStatePartialFactor(), 3));
  f.AddLine(609, FormatFixed(p.Materials.AllowableRaiseFactor(), 3));
  f.AddLine(609, FormatFixed(p.Materials.Ec5PartialFactor(), 3));
  const OwnWeightSetting& own = p.Loads.OwnWeight;
  if (own.on) {
    // The case that carries it now; the chosen one while none can.
    const int used = p.Loads.OwnWeightCase();
    f.AddLine(611, "1");
    f.AddLine(611, FormatFixed(own.density, 0));
    f.AddLine(611, std::to_string(used >= 0 ? used : std::max(own.loadCase, 0)));
  }
  if (code4) {
    const Ec5NaSettings& e = s.ec5;
    f.AddLine(651, std::to_string(e.consequenceClass));
    f.AddLine(651, FormatFixed(e.ltbFactor, 2));
    f.AddLine(651, std::to_string(e.loadPosition));
    f.AddLine(651, FormatFixed(e.kc90, 2));
    for (double x : {e.winstLimit, e.wnetfinLimit, e.wfinLimit}) f.AddLine(651, FormatFixed(x, 0));
    const FloorVibrationSettings& v = e.vibration;
    if (v.on) {
      f.AddLine(652, "1");
      f.AddLine(652, FormatFixed(v.floorWidth, 3));
      f.AddLine(652, FormatFixed(v.transverseStiffness, 1));
      f.AddLine(652, FormatFixed(v.mass, 1));
      f.AddLine(652, FormatFixed(v.damping, 4));
      f.AddLine(652, FormatFixed(v.velocityBase, 1));
      f.AddLine(652, FormatFixed(v.deflectionLimit, 3));
      f.AddLine(652, FormatFixed(v.frequencyLimit, 2));
    }
  }
  for (qv::DesignCode code : qv::kSection701Codes)
    f.AddLine(701, std::to_string(p.Materials.MoistureClass(code)));
  for (qv::DesignCode code : qv::kSection701Codes)
    f.AddLine(701, std::to_string(p.Materials.Material(code)));
  if (code4) {
    f.AddLine(702, std::to_string(p.Materials.MoistureClass(qv::DesignCode::kEc5)));
    f.AddLine(702, std::to_string(p.Materials.Material(qv::DesignCode::kEc5)));
  }

  const ProfiiliVektori& lib = p.Profiles;
  if (lib.HasCurrent()) {
    f.AddLine(801, LineSafe(lib.ProjectName.empty() ? lib.FileName() : lib.ProjectName));
    f.AddLine(801, std::to_string(lib.CurrentIndex));
    f.AddLine(801, LineSafe(lib.Name(lib.CurrentIndex)));
    f.AddLine(801, lib.FormatRecord(lib.CurrentIndex));
  }
  f.AddSection(999);
}

std::vector<std::string> ProjectFileLines(const QELVUX_data& project) {
  CSVTiedosto file;
  BuildProjectFile(project, file);
  return file.Lines();
}

int SaveProject(QELVUX_data& p, const std::string& name, std::string* message) {
  BuildProjectFile(p);
  p.TextFile.SetFileName(name);
  std::string error;
  if (!ReplaceTextFileLines(name, p.TextFile.Lines(), &error)) {
    if (message) *message = CutChars("Tiedostoa " + name + " ei voitu tallentaa: " + error, 255);
    return -1;
  }
  if (message) message->clear();
  return 0;
}

int LoadProjectLines(QELVUX_data& p, const std::vector<std::string>& lines, std::string* message) {
  p.TextFile.TakeLines(lines);
  std::string text;
  const int rc = Loader(p).Run(text);
  if (message) *message = CutChars(text, 255);
  return rc;
}

int RestoreProjectLines(QELVUX_data& p, const std::vector<std::string>& lines,
                        std::string* message) {
  // The library is looked for beside the project file, so the text file keeps its name while
  // the lines are read, and afterwards it keeps what was opened or saved.
  const std::string name = p.TextFile.FileName();
  std::vector<std::string> fileLines = p.TextFile.Lines();
  p.TextFile.TakeLines(lines);
  p.TextFile.SetFileName(name);
  std::string text;
  const int rc = Loader(p).Run(text);
  if (message) *message = CutChars(text, 255);
  p.TextFile.TakeLines(std::move(fileLines));
  p.TextFile.SetFileName(name);
  return rc;
}

int LoadProject(QELVUX_data& p, const std::string& name, std::string* message) {
  p.TextFile.Clear();
  if (!p.TextFile.LoadFromFile(name)) {
    p.TextFile.SetFileName(name);
    if (message)
      *message =
          CutChars("Tiedostoa " + name + " ei voitu lukea: " + p.TextFile.LoadError() + ".", 255);
    return -4;
  }
  std::string text;
  const int rc = Loader(p).Run(text);
  if (message) *message = CutChars(text, 255);
  return rc;
}

}  // namespace qv
