// The nine strength and stiffness values of one material for one duration class, and the section
// size they depend on.
#pragma once

#include <cmath>
#include <optional>

#include "model/Kinds.h"

// Values 1 to 9 in MPa, in the order of the table sections 31 to 39; element 0 is unused
// so that the quantity number is the index.
struct DesignValues {
  static constexpr int kBendingZ = 1;           // bending strength for Mz
  static constexpr int kCompression = 2;        // compression along the grain
  static constexpr int kCompressionPerp = 3;    // compression perpendicular to the grain
  static constexpr int kTension = 4;            // tension along the grain
  static constexpr int kShearY = 5;             // shear strength for Vy
  static constexpr int kModulusStrength = 6;    // modulus for strength and stability checks
  static constexpr int kModulusDeflection = 7;  // modulus for deflections
  static constexpr int kBendingY = 8;           // bending strength for My
  static constexpr int kShearZ = 9;             // shear strength for Vz
  static constexpr int kCount = 9;

  double value[kCount + 1] = {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0};

  // Quantity q (1 to 9), 0 for any other q.
  double Get(int q) const { return (q >= 1 && q <= kCount) ? value[q] : 0.0; }
  void Set(int q, double v) {
    if (q >= 1 && q <= kCount) value[q] = v;
  }
  void Clear() {
    for (double& v : value) v = 0.0;
  }
  // The checks run only when every value is above zero (a missing table gives zeros).
  bool AllPositive() const {
    for (int q = 1; q <= kCount; ++q) {
      // A value of inf (a partial factor of 1e-320) would make every check pass.
      if (!(value[q] > 0.0) || !std::isfinite(value[q])) return false;
    }
    return true;
  }
};

namespace qv {

// Cross-section as the size factors and stiffnesses need it: a rectangle b x h or a circle
// of diameter b (h is ignored); no shape when none is chosen. Millimetres.
struct SectionSize {
  std::optional<SectionShape> shape;
  double b = 0.0;
  double h = 0.0;

  bool IsValid() const {
    if (!shape) return false;
    switch (*shape) {
      case SectionShape::kRectangle:
        return b > 0.0 && h > 0.0;
      case SectionShape::kCircle:
        return b > 0.0;
    }
    return false;
  }
  // Height and width seen by the size factors: a circle counts as d x d.
  double Height() const { return shape == SectionShape::kCircle ? b : h; }
  double Width() const { return b; }
  // Area in mm2 (0 when not valid), as the section values of the checks take it.
  double Area() const {
    if (!IsValid()) return 0.0;
    if (shape == SectionShape::kCircle) {
      const double r = b / 2.0;
      return 3.141592653589793 * r * r;
    }
    return b * h;
  }
};

}  // namespace qv
