// Reading the material tables, the selections and factors, and one table value per code.
#include "design/data/MateriaaliTiedot.h"

#include <cmath>

#include "model/FieldHelpers.h"

MateriaaliTiedot::MateriaaliTiedot() : tables_(std::make_shared<const Tables>()) {}

MateriaaliTiedot::MateriaaliTiedot(const std::string& folder) : MateriaaliTiedot() {
  LoadTables(folder);
}

std::string MateriaaliTiedot::FolderOf(const std::string& programPath) {
  const auto cut = programPath.find_last_of("/\\");
  if (cut == std::string::npos) return std::string();
  return programPath.substr(0, cut);
}

int MateriaaliTiedot::LoadTables(const std::string& folder) {
  // Built aside and put in place whole: copies made before keep the tables they had.
  auto tables = std::make_shared<Tables>();
  int loaded = 0;
  std::string base = folder;
  if (!base.empty() && base.back() != '/' && base.back() != '\\') base += '/';
  for (int i = 0; i < kCodeCount && !folder.empty(); ++i) {
    CSVTiedosto& text = tables->byCode[i].text;
    // A file that is missing or unreadable leaves its table empty; nothing is reported.
    if (text.LoadFromFile(base + kFileNames[i])) {
      ++loaded;
      CountLines(tables->byCode[i]);
    } else {
      text.Clear();
      text.SetFileName(std::string());
    }
  }
  const CSVTiedosto& ec5 = tables->byCode[IndexOf(qv::DesignCode::kEc5)].text;
  tables->ec5ExtraProblem =
      ec5.LineCount(kMaterialSection) > 0
          ? qv::ReadEc5ExtraData(ec5, tables->ec5Extra)
          : std::string(kFileNames[IndexOf(qv::DesignCode::kEc5)]) + " puuttuu";
  tables_ = std::move(tables);
  return loaded;
}

bool MateriaaliTiedot::Split(const CSVTiedosto& t, int section, int line, int width,
                             SplitLine& out) {
  // The whole line is split as the table's width says, so one bad field spoils the line.
  std::vector<int> layout(static_cast<std::size_t>(width) + 1, 2);
  layout[0] = width;
  std::vector<std::string> texts;
  std::vector<int> ints;
  out.reals.clear();
  out.reals.reserve(static_cast<std::size_t>(width));  // one allocation, not one per doubling
  out.ok = qv::SplitFields(';', t.GetLine(section, line), layout, texts, out.reals, ints) == 0;
  return out.ok;
}

int MateriaaliTiedot::ReadType(const CSVTiedosto& t, int material) {
  std::vector<std::string> texts;
  std::vector<double> reals;
  std::vector<int> ints;
  if (qv::SplitFields(';', t.GetLine(kTypeSection, material), {1, 3}, texts, reals, ints) != 0 ||
      ints.empty())
    return 1;
  const int type = ints[0];
  return (type >= 0 && type <= 10) ? type : 1;
}

namespace {

// The last section a look-up splits: kdef of material type 10.
constexpr int kLastSplitSection = MateriaaliTiedot::kKdefBase + 10;

}  // namespace

void MateriaaliTiedot::CountLines(CodeTable& table) {
  table.lineCounts.assign(kLastSplitSection + 1, 0);
  for (int section = 0; section <= kLastSplitSection; ++section)
    table.lineCounts[static_cast<std::size_t>(section)] = table.text.LineCount(section);
}

void MateriaaliTiedot::SplitTable(const CodeTable& table) {
  const CSVTiedosto& t = table.text;
  // The quantities are read across the materials, kmod, the deflection factor and kdef
  // (sections 40 + type and 50 + type, type 0 to 10) across the moisture classes.
  const int materials = t.LineCount(kMaterialSection);
  const int moistures = t.LineCount(kMoistureSection);
  table.sections.assign(kLastSplitSection + 1, SplitSection());
  for (int section = kQuantityBase + 1; section <= kLastSplitSection; ++section) {
    if (section > kQuantityBase + DesignValues::kCount && section < kKmodBase) continue;
    const int width = section < kKmodBase ? materials : moistures;
    const int lines = t.LineCount(section);
    if (width < 1 || lines < 1) continue;
    SplitSection& s = table.sections[static_cast<std::size_t>(section)];
    s.width = width;
    s.lines.resize(static_cast<std::size_t>(lines));
    for (int k = 1; k <= lines; ++k) Split(t, section, k, width, s.lines[k - 1]);
  }
  table.types.clear();
  for (int m = 1; m <= t.LineCount(kTypeSection); ++m) table.types.push_back(ReadType(t, m));
}

const MateriaaliTiedot::CodeTable& MateriaaliTiedot::SplitTableOf(qv::DesignCode code) const {
  const CodeTable& table = TableOf(code);
  std::call_once(table.splitOnce, [&table] { SplitTable(table); });
  return table;
}

bool MateriaaliTiedot::HasCharacteristicValues(qv::DesignCode code) {
  switch (code) {
    case qv::DesignCode::kAllowableStress:
      return false;
    case qv::DesignCode::kLimitState:
    case qv::DesignCode::kEc5Env:
    case qv::DesignCode::kEc5:
      return true;
  }
  return false;
}

const CSVTiedosto& MateriaaliTiedot::Table(qv::DesignCode code) const { return TableOf(code).text; }

std::vector<std::string> MateriaaliTiedot::SectionLines(qv::DesignCode code, int section) const {
  const CSVTiedosto& t = Table(code);
  std::vector<std::string> lines;
  const int n = t.LineCount(section);
  for (int k = 1; k <= n; ++k) lines.push_back(t.GetLine(section, k));
  return lines;
}

std::vector<std::string> MateriaaliTiedot::DurationClassNames(qv::DesignCode code) const {
  return SectionLines(code, kDurationSection);
}

std::vector<std::string> MateriaaliTiedot::MoistureClassNames(qv::DesignCode code) const {
  return SectionLines(code, kMoistureSection);
}

std::vector<std::string> MateriaaliTiedot::MaterialNames(qv::DesignCode code) const {
  return SectionLines(code, kMaterialSection);
}

std::string MateriaaliTiedot::DurationClassName(qv::DesignCode code, int duration) const {
  const CSVTiedosto& t = Table(code);
  if (duration < 1 || duration > t.LineCount(kDurationSection)) return std::string();
  return t.GetLine(kDurationSection, duration);
}

int MateriaaliTiedot::Material(qv::DesignCode code) const { return material_[IndexOf(code)]; }

int MateriaaliTiedot::MoistureClass(qv::DesignCode code) const { return moisture_[IndexOf(code)]; }

void MateriaaliTiedot::SetMaterial(qv::DesignCode code, int material) {
  material_[IndexOf(code)] = material;
}

void MateriaaliTiedot::SetMoistureClass(qv::DesignCode code, int moisture) {
  moisture_[IndexOf(code)] = moisture;
}

void MateriaaliTiedot::ResetSelections() {
  for (int i = 0; i < kCodeCount; ++i) {
    material_[i] = 1;
    moisture_[i] = 1;
  }
}

namespace {

// A factor of zero, below zero or not finite would divide by zero or turn every value
// negative, so it is never taken.
int SetFactor(double v, double& target) {
  if (!std::isfinite(v) || !(v > 0.0)) return -1;
  target = v;
  return 0;
}

}  // namespace

int MateriaaliTiedot::SetLimitStatePartialFactor(double v) {
  return SetFactor(v, gammaLimitState_);
}

int MateriaaliTiedot::SetAllowableRaiseFactor(double v) { return SetFactor(v, raiseFactor_); }

int MateriaaliTiedot::SetEc5PartialFactor(double v) { return SetFactor(v, gammaEc5_); }

int MateriaaliTiedot::LineCount(const CodeTable& table, int section) {
  const auto at = static_cast<std::size_t>(section);
  return section >= 0 && at < table.lineCounts.size() ? table.lineCounts[at]
                                                      : table.text.LineCount(section);
}

MateriaaliTiedot::Read MateriaaliTiedot::ReadField(qv::DesignCode code, int section, int line,
                                                   int fieldCount, int field, double& value) const {
  const CodeTable& table = SplitTableOf(code);
  if (line < 1 || line > LineCount(table, section)) return Read::kMissing;
  if (field < 1 || field > fieldCount) return Read::kBad;
  const SplitLine* split = nullptr;
  SplitLine here;
  const auto at = static_cast<std::size_t>(section);
  if (at < table.sections.size() && table.sections[at].width == fieldCount) {
    split = &table.sections[at].lines[static_cast<std::size_t>(line) - 1];
  } else {
    // A width the table was not split at: split the line now.
    Split(table.text, section, line, fieldCount, here);
    split = &here;
  }
  if (!split->ok || static_cast<int>(split->reals.size()) < field) return Read::kBad;
  value = split->reals[static_cast<std::size_t>(field) - 1];
  return Read::kOk;
}

double MateriaaliTiedot::TableValue(int q, qv::DesignCode code, int material, int duration,
                                    int moisture, int kind) const {
  if (q < 1 || q > DesignValues::kCount) return 0.0;
  if (kind != kDesign && kind != kCharacteristic) return 0.0;
  const CodeTable& t = TableOf(code);
  if (material < 1 || material > LineCount(t, kMaterialSection)) return 0.0;
  if (duration < 1 || duration > LineCount(t, kDurationSection)) return 0.0;
  if (moisture < 1 || moisture > LineCount(t, kMoistureSection)) return 0.0;
  switch (code) {
    case qv::DesignCode::kAllowableStress:
      // No characteristic values (HasCharacteristicValues).
      return kind == kDesign ? AllowableValue(q, material, duration, moisture) : 0.0;
    case qv::DesignCode::kLimitState:
      return LimitStateValue(q, material, duration, moisture, kind);
    case qv::DesignCode::kEc5Env:
      return Ec5Value(q, material, duration, moisture, kind);
    case qv::DesignCode::kEc5:
      return Ec5NaValue(q, material, duration, moisture, kind);
  }
  return 0.0;
}

double MateriaaliTiedot::AllowableValue(int q, int material, int duration, int moisture) const {
  const qv::DesignCode code = qv::DesignCode::kAllowableStress;
  const CodeTable& t = TableOf(code);
  const int materials = LineCount(t, kMaterialSection);
  const int line = moisture + LineCount(t, kMoistureSection) * (duration - 1);
  double v = 0.0;
  if (ReadField(code, kQuantityBase + q, line, materials, material, v) != Read::kOk) return 0.0;
  // The deflection modulus is never raised.
  return q == DesignValues::kModulusDeflection ? v : v * raiseFactor_;
}

double MateriaaliTiedot::LimitStateValue(int q, int material, int duration, int moisture,
                                         int kind) const {
  const qv::DesignCode code = qv::DesignCode::kLimitState;
  const CodeTable& t = TableOf(code);
  double fk = 0.0;
  if (ReadField(code, kQuantityBase + q, 1, LineCount(t, kMaterialSection), material, fk) !=
      Read::kOk)
    return 0.0;
  if (kind == kCharacteristic) return fk;
  const bool deflection = q == DesignValues::kModulusDeflection;
  double factor = 0.0;  // a missing or bad factor line gives 0
  ReadField(code, deflection ? kKmodBase + 2 : kKmodBase + 1, duration,
            LineCount(t, kMoistureSection), moisture, factor);
  const double gamma = deflection ? 1.0 : gammaLimitState_;
  return fk * factor / gamma;
}

int MateriaaliTiedot::Ec5FactorSection(qv::DesignCode code, int base, int material) const {
  const int type = MaterialTypeOf(code, material);
  if (LineCount(TableOf(code), base + type) > 0) return base + type;
  return base + 1;
}

double MateriaaliTiedot::Ec5Value(int q, int material, int duration, int moisture, int kind) const {
  const qv::DesignCode code = qv::DesignCode::kEc5Env;
  const CodeTable& t = TableOf(code);
  double fk = 0.0;
  if (ReadField(code, kQuantityBase + q, 1, LineCount(t, kMaterialSection), material, fk) !=
      Read::kOk)
    return 0.0;
  if (kind == kCharacteristic || q == DesignValues::kModulusDeflection) return fk;
  double kmod = 0.0;
  // A missing or unreadable kmod line yields no value: as 1 it would overstate the strength.
  if (ReadField(code, Ec5FactorSection(code, kKmodBase, material), duration,
                LineCount(t, kMoistureSection), moisture, kmod) != Read::kOk)
    kmod = 0.0;
  return fk * kmod / gammaEc5_;
}

double MateriaaliTiedot::Ec5NaValue(int q, int material, int duration, int moisture,
                                    int kind) const {
  const qv::DesignCode code = qv::DesignCode::kEc5;
  const CodeTable& t = TableOf(code);
  double fk = 0.0;
  if (ReadField(code, kQuantityBase + q, 1, LineCount(t, kMaterialSection), material, fk) !=
      Read::kOk)
    return 0.0;
  if (kind == kCharacteristic || q == DesignValues::kModulusDeflection) return fk;
  // kmod and gamma_M of the family; a missing one yields no value rather than 1.
  double kmod = 0.0;
  if (ReadField(code, Ec5FactorSection(code, kKmodBase, material), duration,
                LineCount(t, kMoistureSection), moisture, kmod) != Read::kOk)
    return 0.0;
  const qv::Ec5FamilyValues* family = Ec5Extra().FamilyOf(static_cast<std::size_t>(material) - 1);
  if (!family || !(family->gammaM > 0.0)) return 0.0;
  return fk * kmod / family->gammaM;
}

int MateriaaliTiedot::MaterialTypeOf(qv::DesignCode code, int material) const {
  const std::vector<int>& types = SplitTableOf(code).types;
  if (material < 1 || material > static_cast<int>(types.size())) return 1;
  return types[static_cast<std::size_t>(material) - 1];
}

int MateriaaliTiedot::MaterialType(qv::DesignCode code) const {
  return MaterialTypeOf(code, Material(code));
}

double MateriaaliTiedot::Kmod(qv::DesignCode code, int duration) const {
  const CodeTable& t = TableOf(code);
  const int material = Material(code);
  if (material < 1 || material > LineCount(t, kMaterialSection)) return 0.0;
  double kmod = 0.0;
  if (ReadField(code, Ec5FactorSection(code, kKmodBase, material), duration,
                LineCount(t, kMoistureSection), MoistureClass(code), kmod) != Read::kOk)
    return 0.0;
  return kmod;
}

double MateriaaliTiedot::CreepFactor(qv::DesignCode code, int material, int duration,
                                     int serviceClass) const {
  const CodeTable& t = TableOf(code);
  if (material < 1 || material > LineCount(t, kMaterialSection)) return 0.0;
  double kdef = 0.0;
  if (ReadField(code, Ec5FactorSection(code, kKdefBase, material), duration,
                LineCount(t, kMoistureSection), serviceClass, kdef) != Read::kOk)
    return 0.0;
  return kdef;
}
