// An inclined Gerber beam under loads across it: no axial force, and reactions across the member as
// statics gives them.
#include <gtest/gtest.h>

#include <cmath>

#include "MemberTestProject.h"

namespace {

constexpr double kPi = 3.141592653589793;

// Pins at 0, 4000 and 7000, a hinge at 5000: the part 5000..7000 hangs from the overhang
// 4000..5000 of the beam 0..4000, so statics gives every reaction. Loads along local y:
// w (N/mm, towards -y) over the whole length and P (N, towards -y) at a = 2000.
struct Hand {
  double ra, rb, rc;
};
Hand Statics(double w, double p) {
  const double vh = w * 2000.0 / 2.0;  // hung part: half its load at each end
  const double rb = (w * 5000.0 * 5000.0 / 2.0 + p * 2000.0 + vh * 5000.0) / 4000.0;
  return {w * 5000.0 + p + vh - rb, rb, vh};
}

}  // namespace

TEST(GenerointiVino, InclinedGerberBeamCarriesNoAxialForce) {
  const double w = 10.0, p = 20000.0;
  const Hand hand = Statics(w, p);
  const double total = w * 7000.0 + p;
  // Before the nodes kept nine decimals, rounding them to 0.001 mm bent the member line by
  // about 1e-7 rad and the hinge's swing pulled a false axial force of ~0.3 % of the load.
  const double tolerance = 1e-5 * total;
  for (double angle : {30.0, 45.0, 60.0, 17.5}) {
    SCOPED_TRACE(angle);
    MemberTestProject t;
    t.SetMember(7000.0,
                {{0.0, RakenneVektori::kPinned},
                 {4000.0, RakenneVektori::kPinned},
                 {7000.0, RakenneVektori::kPinned}},
                {5000.0}, angle);
    t.AddCase("G", 0);
    t.AddLine(0, MemberTestProject::kLocalY, -w, 0.0, 7000.0);
    t.AddPoint(0, MemberTestProject::kLocalY, -p, 2000.0);
    ASSERT_EQ(t.Solve(), 0);

    QELvektori forces;
    ASSERT_GT(MemberForces(*t.project, -1, 0, forces), 0);
    for (int i = 0; i < forces.Count(); ++i) EXPECT_NEAR(forces.GetReal(i, 1), 0.0, tolerance) << i;

    QELvektori reactions;
    SupportReactions(*t.project, -1, 0, reactions);
    ASSERT_EQ(reactions.Count(), 3);
    // Local x = (cos a, sin a), local y = (-sin a, cos a) in the main system.
    const double c = std::cos(angle * kPi / 180.0), s = std::sin(angle * kPi / 180.0);
    const double across[3] = {hand.ra, hand.rb, hand.rc};
    for (int k = 0; k < 3; ++k) {
      const double fx = reactions.GetReal(k, 0), fy = reactions.GetReal(k, 1);
      EXPECT_NEAR(fx * c + fy * s, 0.0, tolerance) << "support " << k + 1;
      EXPECT_NEAR(-fx * s + fy * c, across[k], tolerance) << "support " << k + 1;
    }
  }
}
