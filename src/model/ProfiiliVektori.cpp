// Section library: order of sections, library files and the start-up library.
#include "model/ProfiiliVektori.h"

#include <filesystem>
#include <system_error>
#include <tuple>

#include "model/TextCodec.h"

const char* const ProfiiliVektori::kDefaultLibraryName = "Sahattu_puutavara.pl1";
const char* const ProfiiliVektori::kFallbackSectionLine = "50*100;1;50;100;0;0;0;0;0;0;0;0";
const char* const ProfiiliVektori::kNewLibraryLine = "Esimerkki (45*95);1;45;95;0;0;0;0;0;0;0;0";

namespace {

// Sort key of a section: circles are ordered by d alone (their h is meaningless).
std::tuple<int, double, double> SectionKey(const QELalkio& r) {
  const int shape = r.ints.empty() ? 0 : r.ints[0];
  const double b = r.reals.size() > 0 ? r.reals[0] : 0.0;
  const double h = r.reals.size() > 1 ? r.reals[1] : 0.0;
  return {shape, b, shape == qv::ToInt(qv::SectionShape::kCircle) ? 0.0 : h};
}

}  // namespace

ProfiiliVektori::ProfiiliVektori() : QELvektori(20, 20) { SetLayout(1, 1, kRealCount); }

int ProfiiliVektori::InsertPosition(const QELalkio& record) const {
  const auto key = SectionKey(record);
  for (int i = 0; i < Count(); ++i) {
    if (SectionKey(*Record(i)) > key) return i;
  }
  return Count();
}

int ProfiiliVektori::AddSection(const std::string& name, qv::SectionShape shape, double b,
                                double h) {
  std::vector<std::string> texts{name.empty() ? std::string(" ")
                                              : qv::CutChars(name, kNameMaxChars)};
  std::vector<double> reals(kRealCount, 0.0);
  reals[kRealB] = b;
  reals[kRealH] = shape == qv::SectionShape::kCircle ? 0.0 : h;
  std::vector<int> ints{qv::ToInt(shape)};
  return AddRecord(&texts, &reals, &ints);
}

bool ProfiiliVektori::IsUsableSection(int i) const {
  if (!IsValidIndex(i)) return false;
  auto inRange = [](double v) { return v >= kMinDimension && v <= kMaxDimension; };
  const std::optional<qv::SectionShape> shape = Shape(i);
  if (!shape) return false;
  switch (*shape) {
    case qv::SectionShape::kRectangle:
      return inRange(B(i)) && inRange(H(i));
    case qv::SectionShape::kCircle:
      return inRange(D(i));
  }
  return false;
}

int ProfiiliVektori::FindSame(const ProfiiliVektori& other, int i) const {
  if (!other.IsValidIndex(i)) return -1;
  for (int k = 0; k < Count(); ++k) {
    if (Name(k) == other.Name(i) && GetInt(k, kIntShape) == other.GetInt(i, kIntShape) &&
        B(k) == other.B(i) && H(k) == other.H(i))
      return k;
  }
  return -1;
}

int ProfiiliVektori::ReadLibrary(const std::string& name) {
  HeaderComments.clear();
  UnusableLines.clear();
  ProjectName.clear();
  int rc = ReadRecordFile(name, true);
  if (rc == -1 && !FileExists(name)) return rc;

  // The comment block at the top names the library and its source: keep it for writing.
  std::vector<std::string> lines;
  if (qv::ReadTextFileLines(name, lines)) {
    for (const auto& line : lines) {
      if (line.compare(0, 2, "//") != 0) break;
      HeaderComments.push_back(line);
    }
  }

  // A section of zero or negative size would divide by zero in every check.
  bool dropped = false;
  for (int i = Count() - 1; i >= 0; --i) {
    if (!IsUsableSection(i)) {
      UnusableLines.insert(UnusableLines.begin(), FormatRecord(i));
      RemoveRecord(i);
      dropped = true;
    }
  }
  if (rc == 0 && dropped) rc = -2;
  return rc;
}

int ProfiiliVektori::WriteLibrary(const std::string* name) {
  // Written under another name, the library is no longer the one the project named.
  if (name && *name != FileName()) ProjectName.clear();
  if (name) SetFileName(*name);
  std::vector<std::string> lines = HeaderComments;
  for (int i = 0; i < Count(); ++i) lines.push_back(FormatRecord(i));
  lines.insert(lines.end(), UnusableLines.begin(), UnusableLines.end());
  return qv::WriteTextFileLines(FileName(), lines) ? 0 : -1;
}

int ProfiiliVektori::LoadLibrary(const std::string& name) {
  // A file that yields no section would leave the member without one: keep the old library.
  ProfiiliVektori read;
  int rc = read.ReadLibrary(name);
  if (read.Count() == 0) return rc < 0 ? rc : -1;
  read.CurrentIndex = 0;
  *this = read;
  return rc;
}

int ProfiiliVektori::LoadDefaultLibrary(const std::string& programFolder) {
  const std::string path = PathInFolder(programFolder, kDefaultLibraryName);
  if (FileExists(path)) {
    ReadLibrary(path);
    if (Count() > 0) {
      CurrentIndex = 0;
      return 0;
    }
  }
  SetSingleSection(kFallbackSectionLine);
  return 1;
}

void ProfiiliVektori::SetSingleSection(const std::string& line) {
  ClearRecords();
  HeaderComments.clear();
  UnusableLines.clear();
  ProjectName.clear();
  ParseRecord(line);
  SetFileName("?");
  CurrentIndex = Count() > 0 ? 0 : -1;
}

void ProfiiliVektori::ClampCurrentIndex() {
  if (Count() == 0) {
    CurrentIndex = -1;
  } else if (!IsValidIndex(CurrentIndex)) {
    CurrentIndex = 0;
  }
}

std::string ProfiiliVektori::PathInFolder(const std::string& folder, const std::string& file) {
  if (folder.empty()) return file;
  const char last = folder.back();
  if (last == '/' || last == '\\') return folder + file;
  return folder + "/" + file;
}

std::string ProfiiliVektori::FolderOf(const std::string& path) {
  const std::size_t sep = path.find_last_of("/\\");
  if (sep == std::string::npos) return std::string();
  if (sep == 0) return path.substr(0, 1);
  return path.substr(0, sep);
}

bool ProfiiliVektori::FileExists(const std::string& path) {
  if (path.empty()) return false;
  std::error_code ec;
  return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}
