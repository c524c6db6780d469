// Integer forms of the kinds, read from files.
#include "model/Kinds.h"

#include <initializer_list>

namespace qv {

namespace {

// Each list names every value of its kind: a kind added to the enum must be added here.
template <typename Kind>
bool FromInt(int value, Kind& out, std::initializer_list<Kind> all) {
  for (Kind k : all) {
    if (static_cast<int>(k) == value) {
      out = k;
      return true;
    }
  }
  return false;
}

}  // namespace

bool DesignCodeFromInt(int value, DesignCode& out) {
  for (DesignCode c : kDesignCodes) {
    if (ToInt(c) == value) {
      out = c;
      return true;
    }
  }
  return false;
}

bool SectionShapeFromInt(int value, SectionShape& out) {
  return FromInt(value, out, {SectionShape::kRectangle, SectionShape::kCircle});
}

bool LoadKindFromInt(int value, LoadKind& out) {
  for (LoadKind k : kLoadKinds) {
    if (ToInt(k) == value) {
      out = k;
      return true;
    }
  }
  return false;
}

bool CombinationKindFromInt(int value, CombinationKind& out) {
  return FromInt(value, out,
                 {CombinationKind::kStress, CombinationKind::kDeflection,
                  CombinationKind::kNoDesign, CombinationKind::kLongTerm});
}

}  // namespace qv
