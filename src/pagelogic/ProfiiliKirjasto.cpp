// Section library dialog state: opening, add / change / delete, other libraries, closing.
#include "pagelogic/ProfiiliKirjasto.h"

#include <filesystem>
#include <system_error>

#include "model/FieldHelpers.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"

const char* const ProfiiliKirjasto::kCaption = "Poikkileikkauskirjastojen muokkaus";
const char* const ProfiiliKirjasto::kOpenTitle = "Profiilikirjaston avaus";
const char* const ProfiiliKirjasto::kOpenFilter = "Profiilikirjastot|*.pl1";
const char* const ProfiiliKirjasto::kNameInvalid = "Nimi ei ole kelvollinen!";
const char* const ProfiiliKirjasto::kCannotDeleteLast = "Viimeistä ei voi poistaa";

namespace {

const char* const kError = "VIRHE";
const char* const kWarning = "HUOMIO";
const char* const kShapeLabel = "Poikkileikkauksen muoto:";

bool NameUsable(const std::string& path) {
  return qv::CharCount(path) >= 4 && ProfiiliVektori::FileExists(path);
}

bool SameFile(const std::string& a, const std::string& b) {
  if (a == b) return true;
  std::error_code ec;
  const bool same = std::filesystem::equivalent(a, b, ec);
  return !ec && same;
}

}  // namespace

ProfiiliKirjasto::ProfiiliKirjasto(const ProfiiliVektori& project, const std::string& programFolder)
    : programFolder_(programFolder) {
  int index = 0;
  if (NameUsable(project.FileName())) {
    activePath_ = project.FileName();
    index = project.CurrentIndex;
  } else {
    activePath_ =
        ProfiiliVektori::PathInFolder(programFolder, ProfiiliVektori::kDefaultLibraryName);
  }
  if (ProfiiliVektori::FileExists(activePath_)) working_.ReadLibrary(activePath_);
  editEnabled_ = working_.Count() > 0;
  Select(index);
}

std::vector<std::string> ProfiiliKirjasto::ShapeItems() { return {"Suorakakaide", "Ympyrä"}; }

qv::SectionShape ProfiiliKirjasto::ShapeOfItem(int shapeItem) {
  return shapeItem == 1 ? qv::SectionShape::kCircle : qv::SectionShape::kRectangle;
}

int ProfiiliKirjasto::ItemOfShape(qv::SectionShape shape) {
  switch (shape) {
    case qv::SectionShape::kRectangle:
      return 0;
    case qv::SectionShape::kCircle:
      return 1;
  }
  return 0;
}

ProfiiliParametrit ProfiiliKirjasto::ParametersFor(int shapeItem) {
  ProfiiliParametrit p;
  if (ShapeOfItem(shapeItem) == qv::SectionShape::kCircle) {
    p.Label1 = "D [mm]:";
    p.ShowParameter2 = false;
    p.ImageIndex = 1;
  } else {
    p.Label1 = "B [mm]:";
    p.Label2 = "H [mm]:";
  }
  return p;
}

ProfiiliViesti ProfiiliKirjasto::Validate(const ProfiiliSyote& input, std::string& name,
                                          qv::SectionShape& shape, double& b, double& h) {
  if (input.Name.empty() || input.Name == " ") return {kError, kNameInvalid};
  if (input.ShapeItem != 0 && input.ShapeItem != 1) return {kError, kShapeLabel};
  const ProfiiliParametrit labels = ParametersFor(input.ShapeItem);
  double v1 = 0.0, v2 = 0.0;
  if (qv::ParseNumber(input.Parameter1, ProfiiliVektori::kMinDimension,
                      ProfiiliVektori::kMaxDimension, v1) != 0)
    return {kError, labels.Label1};
  if (labels.ShowParameter2 && qv::ParseNumber(input.Parameter2, ProfiiliVektori::kMinDimension,
                                               ProfiiliVektori::kMaxDimension, v2) != 0)
    return {kError, labels.Label2};
  name = qv::CutChars(input.Name, ProfiiliVektori::kNameMaxChars);
  shape = ShapeOfItem(input.ShapeItem);
  b = v1;
  h = labels.ShowParameter2 ? v2 : 0.0;
  return {};
}

std::vector<std::string> ProfiiliKirjasto::Names() const {
  std::vector<std::string> names;
  for (int i = 0; i < working_.Count(); ++i) names.push_back(working_.Name(i));
  return names;
}

void ProfiiliKirjasto::Select(int i) {
  if (working_.Count() == 0) {
    selected_ = -1;
  } else {
    selected_ = working_.IsValidIndex(i) ? i : 0;
  }
}

ProfiiliKentat ProfiiliKirjasto::FieldsOf(int i) const {
  ProfiiliKentat f;
  if (!working_.IsValidIndex(i)) return f;
  f.Name = working_.Name(i);
  f.ShapeItem = ItemOfShape(working_.Shape(i).value_or(qv::SectionShape::kRectangle));
  f.Parameter1 = qv::FormatFixed(working_.B(i), 1);
  if (f.ShapeItem == 0) f.Parameter2 = qv::FormatFixed(working_.H(i), 1);
  return f;
}

std::string ProfiiliKirjasto::LibraryButtonText() const { return qv::ShortenPath(activePath_, 20); }

std::string ProfiiliKirjasto::OpenStartFolder() const {
  if (ProfiiliVektori::FileExists(activePath_)) return ProfiiliVektori::FolderOf(activePath_);
  return programFolder_;
}

ProfiiliViesti ProfiiliKirjasto::Add(const ProfiiliSyote& input) {
  std::string name;
  qv::SectionShape shape = qv::SectionShape::kRectangle;
  double b = 0.0, h = 0.0;
  ProfiiliViesti msg = Validate(input, name, shape, b, h);
  if (!msg.Empty()) return msg;
  selected_ = working_.AddSection(name, shape, b, h);
  changed_ = true;
  return {};
}

ProfiiliViesti ProfiiliKirjasto::Change(const ProfiiliSyote& input) {
  std::string name;
  qv::SectionShape shape = qv::SectionShape::kRectangle;
  double b = 0.0, h = 0.0;
  ProfiiliViesti msg = Validate(input, name, shape, b, h);
  if (!msg.Empty()) return msg;
  if (!working_.IsValidIndex(selected_)) return {};  // nothing selected to change
  working_.RemoveRecord(selected_);
  selected_ = working_.AddSection(name, shape, b, h);
  changed_ = true;
  return {};
}

ProfiiliViesti ProfiiliKirjasto::Delete() {
  if (working_.Count() <= 1) return {kWarning, kCannotDeleteLast};
  if (!working_.IsValidIndex(selected_)) return {};
  working_.RemoveRecord(selected_);
  selected_ = selected_ > 0 ? selected_ - 1 : 0;
  changed_ = true;
  return {};
}

bool ProfiiliKirjasto::TakeWaiting(const std::string& path, ProfiiliVektori& library) {
  for (auto it = waiting_.begin(); it != waiting_.end(); ++it) {
    if (!SameFile(path, it->first)) continue;
    library = std::move(it->second);
    waiting_.erase(it);
    return true;
  }
  return false;
}

int ProfiiliKirjasto::OpenLibrary(const std::string& path) {
  ProfiiliVektori next;
  bool edited = false;
  int result = 2;
  if (!ProfiiliVektori::FileExists(path)) {
    next.SetSingleSection(ProfiiliVektori::kNewLibraryLine);
    if (next.WriteLibrary(path) != 0) return -1;
    result = 1;
  } else if (SameFile(path, activePath_)) {
    return 0;
  } else {
    edited = TakeWaiting(path, next);
    if (!edited) next.ReadLibrary(path);
  }
  if (changed_) waiting_.emplace_back(activePath_, std::move(working_));
  working_ = std::move(next);
  activePath_ = path;
  changed_ = edited;
  editEnabled_ = true;
  Select(0);
  return result;
}

int ProfiiliKirjasto::Close(ProfiiliVektori& project) {
  if (changed_) waiting_.emplace_back(activePath_, working_);
  changed_ = false;
  unwritten_.clear();
  for (auto& [path, library] : waiting_) {
    if (ProfiiliVektori::FileExists(path) && library.WriteLibrary(path) != 0)
      unwritten_.push_back(path);
  }
  waiting_.clear();
  const int rc = unwritten_.empty() ? 0 : -1;
  if (!NameUsable(project.FileName())) return rc;

  ProfiiliVektori reread;
  reread.ReadLibrary(project.FileName());
  // A library left without sections would leave the member without one: keep the old.
  if (reread.Count() == 0) return rc;
  // The chosen section is followed to its new place; the index is the fallback.
  int k = reread.FindSame(project, project.CurrentIndex);
  if (k < 0) k = reread.IsValidIndex(project.CurrentIndex) ? project.CurrentIndex : 0;
  reread.CurrentIndex = k;
  project = reread;
  return rc;
}
