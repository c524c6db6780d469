// Cross-section values the stress and stability checks need, for rectangles b x h and circles d.
#include "design/SectionProperties.h"

#include <algorithm>
#include <cmath>

namespace qv {

namespace {
constexpr double kPi = 3.141592653589793;

struct AlphaRow {
  double ratio;
  double alpha;
};
constexpr AlphaRow kAlphaTable[] = {{1.0, 0.208}, {1.5, 0.231}, {1.75, 0.239}, {2.0, 0.246},
                                    {2.5, 0.258}, {3.0, 0.267}, {4.0, 0.282},  {6.0, 0.299},
                                    {8.0, 0.307}, {10.0, 0.313}};
}  // namespace

double TorsionAlpha(double ratio) {
  // Stepwise on purpose: no interpolation between rows.
  double alpha = 0.208;
  for (const AlphaRow& row : kAlphaTable) {
    if (ratio > row.ratio) alpha = row.alpha;
  }
  return alpha;
}

double TorsionFactor(const SectionSize& section) {
  if (!section.IsValid()) return 0.0;
  if (section.shape == SectionShape::kCircle) {
    const double r = section.b / 2.0;
    return 2.0 / (kPi * r * r * r);
  }
  const double hmin = std::min(section.b, section.h);
  const double hmax = std::max(section.b, section.h);
  return 1.0 / (TorsionAlpha(hmax / hmin) * hmax * hmin * hmin);
}

SectionProperties ComputeSectionProperties(const SectionSize& section) {
  SectionProperties p;
  if (!section.IsValid()) return p;
  p.valid = true;
  p.kt = TorsionFactor(section);
  if (section.shape == SectionShape::kCircle) {
    const double d = section.b;
    const double r = d / 2.0;
    p.A = section.Area();
    p.Wz = kPi * r * r * r / 4.0;
    p.Wy = p.Wz;
    p.iY = std::sqrt(r * r * 0.25);
    p.iZ = p.iY;
    p.depth = d;
    p.ltbDepth = d / std::sqrt(2.0);
    p.ltbWidth = p.ltbDepth;
    return p;
  }
  const double b = section.b;
  const double h = section.h;
  p.A = section.Area();
  p.Wz = b * h * h / 6.0;
  p.Wy = h * b * b / 6.0;
  p.iY = std::sqrt(h * h / 12.0);
  p.iZ = std::sqrt(b * b / 12.0);
  // The eccentricity uses the height for both directions.
  p.depth = h;
  p.ltbDepth = h;
  p.ltbWidth = b;
  return p;
}

}  // namespace qv
