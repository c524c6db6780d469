// The nine design values with their section-size factors, and the member stiffnesses.
#include <algorithm>
#include <cmath>

#include "design/data/MateriaaliTiedot.h"

namespace {

constexpr double kNinth = 1.0 / 9.0;
constexpr double kPi = 3.141592653589793;

// Factor for depths below ref (sawn timber and glulam under EC5): raises small sections.
double SmallSizeFactor(double ref, double size, double cap) {
  return std::min(std::pow(ref / size, 0.2), cap);
}

// Factor for depths above 300 mm: lowers large sections.
double LargeSizeFactor(double size) { return std::pow(300.0 / size, kNinth); }

void Scale(DesignValues& v, int q, double k) { v.Set(q, v.Get(q) * k); }

}  // namespace

void MateriaaliTiedot::ApplyEc5SizeFactor(int type, double h, double b, DesignValues& v) const {
  // kh of the family: bending by the depth in its plane, tension by the largest dimension.
  if (type < 1 || type > static_cast<int>(Ec5Extra().families.size())) return;
  const qv::SizeFactorRule& rule = Ec5Extra().families[static_cast<std::size_t>(type) - 1].kh;
  Scale(v, DesignValues::kBendingZ, qv::SizeFactor(rule, h));
  Scale(v, DesignValues::kBendingY, qv::SizeFactor(rule, b));
  Scale(v, DesignValues::kTension, qv::SizeFactor(rule, std::max(h, b)));
}

void MateriaaliTiedot::ApplySizeFactors(qv::DesignCode code, int type,
                                        const qv::SectionSize& section, DesignValues& v) const {
  const double h = section.Height();
  const double b = section.Width();
  if (code == qv::DesignCode::kEc5) {
    ApplyEc5SizeFactor(type, h, b, v);
    return;
  }
  const bool ec5 = code == qv::DesignCode::kEc5Env;
  const bool large = ec5 ? (type >= 3 && type <= 5) : (type >= 2 && type <= 5);
  if (large) {
    // The B10 codes leave tension alone; EC5 lowers it with the larger dimension.
    const bool tension = ec5;
    if (h > 300.0) {
      const double k = LargeSizeFactor(h);
      Scale(v, DesignValues::kBendingZ, k);
      if (tension && b < h) Scale(v, DesignValues::kTension, k);
    }
    if (b > 300.0) {
      const double k = LargeSizeFactor(b);
      Scale(v, DesignValues::kBendingY, k);
      if (tension && h < b) Scale(v, DesignValues::kTension, k);
    }
    return;
  }
  if (!ec5 || (type != 1 && type != 2)) return;
  const double ref = type == 1 ? 150.0 : 600.0;
  const double cap = type == 1 ? 1.3 : 1.15;
  if (h < ref) {
    const double k = SmallSizeFactor(ref, h, cap);
    Scale(v, DesignValues::kBendingZ, k);
    if (b < h) Scale(v, DesignValues::kTension, k);
  }
  if (b < ref) {
    const double k = SmallSizeFactor(ref, b, cap);
    Scale(v, DesignValues::kBendingY, k);
    if (h < b) Scale(v, DesignValues::kTension, k);
  }
}

qv::SectionSize MateriaaliTiedot::CurrentSection(const ProfiiliVektori& profiles) {
  qv::SectionSize s;
  if (!profiles.HasCurrent()) return s;
  const int i = profiles.CurrentIndex;
  s.shape = profiles.Shape(i);
  if (!s.shape) return s;
  s.b = profiles.B(i);
  s.h = s.shape == qv::SectionShape::kRectangle ? profiles.H(i) : 0.0;
  return s;
}

int MateriaaliTiedot::GetDesignValues(qv::DesignCode code, int duration,
                                      const qv::SectionSize& section, int kind,
                                      DesignValues& values) const {
  if (!section.IsValid()) return -1;
  const int material = Material(code);
  for (int q = 1; q <= DesignValues::kCount; ++q) {
    values.Set(q, TableValue(q, code, material, duration, MoistureClass(code), kind));
  }
  // Code 4 shows its characteristic values as the table gives them; kh is a design factor.
  if (!(code == qv::DesignCode::kEc5 && kind == kCharacteristic))
    ApplySizeFactors(code, MaterialTypeOf(code, material), section, values);
  return 0;
}

double MateriaaliTiedot::MemberStiffness(qv::DesignCode code, int duration,
                                         const qv::SectionSize& section, int which,
                                         double* kdef) const {
  if (kdef) {
    const bool ec5 = code == qv::DesignCode::kEc5Env || code == qv::DesignCode::kEc5;
    *kdef = ec5 ? CreepFactor(code, Material(code), duration, MoistureClass(code)) : 0.0;
  }
  if (!section.IsValid()) return 0.0;
  const double e = TableValue(DesignValues::kModulusDeflection, code, Material(code), duration,
                              MoistureClass(code), kDesign);
  if (!(e > 0.0)) return 0.0;
  double area = 0.0;
  double strong = 0.0;
  double weak = 0.0;
  if (section.shape == qv::SectionShape::kRectangle) {
    const double b = section.b;
    const double h = section.h;
    area = b * h;
    strong = b * h * h * h / 12.0;
    weak = h * b * b * b / 12.0;
  } else {
    const double r = section.b / 2.0;
    area = kPi * r * r;
    strong = weak = r * r * area / 4.0;
  }
  switch (which) {
    case 1:
      return e * area;
    case 2:
      return e * strong;
    case 3:
      return e * weak;
    default:
      return 0.0;
  }
}
