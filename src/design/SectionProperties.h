// Cross-section values the stress and stability checks need, for rectangles b x h and circles d.
#pragma once

#include "design/data/DesignValues.h"

namespace qv {

// h lies along the local y axis and b along z; Mz bends about z. Millimetres.
struct SectionProperties {
  bool valid = false;
  double A = 0.0;         // area, also the shear area for Vy and Vz
  double Wz = 0.0;        // section modulus for Mz
  double Wy = 0.0;        // section modulus for My
  double kt = 0.0;        // torsion stress per unit Mx: tau = kt * Mx
  double iY = 0.0;        // radius of gyration for buckling in the y direction
  double iZ = 0.0;        // radius of gyration for buckling in the z direction
  double depth = 0.0;     // depth term of the eccentricity, both directions
  double ltbDepth = 0.0;  // lateral-torsional depth hL
  double ltbWidth = 0.0;  // lateral-torsional width bL
};

// The values of a valid section; valid = false and zeros otherwise.
SectionProperties ComputeSectionProperties(const SectionSize& section);

// alpha of the torsion stress of a rectangle for the side ratio hmax/hmin: the value of the
// last table row whose ratio the given one strictly exceeds (0.208 below all of them).
double TorsionAlpha(double ratio);

// kt of a section (tau = kt * Mx): 1/(alpha*hmax*hmin^2) for a rectangle, 2/(pi*r^3) for a
// circle; 0 for a section that is not valid.
double TorsionFactor(const SectionSize& section);

}  // namespace qv
