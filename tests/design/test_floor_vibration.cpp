// The floor vibration formulas of EN 1995-1-1 7.3 against a published worked example.
#include <gtest/gtest.h>

#include "design/FloorVibration.h"

namespace {

// Metsä Wood, Kerto LVL Handbook Europe (2025), section 9.1 "LVL 48P joist floor",
// pages 181-185: residential floor, l = 4.5 m, B = 5.0 m, joists 45 x 240 LVL 48P at
// s = 0.4 m, E0,mean = 13 800 N/mm², m = 120 kg/m², zeta = 0.01, b_v = 150. I is that of the
// section, 45 · 240³ / 12 = 5.184e7 mm⁴ (printed rounded as 5.18e7), so
// (EI)_l = 13 800 · 5.184e7 / 400 · 0.001 = 1.7885e6 N·m²/m (printed 1.79e6).
// Each figure is checked to the half unit of its last printed digit.
struct Variant {
  const char* name;
  double eiTransverse;  // (EI)_B, N·m²/m
  double kDelta;
  double kDeltaTolerance;
  double wPlate, wPlateTolerance;  // mm
  double wJoist, wJoistTolerance;  // mm
  bool deflectionPasses;           // against 0.6 mm, as the handbook checks
};

TEST(FloorVibration, PublishedLvlJoistFloor) {
  const Variant variants[] = {
      // Decking only: kδ = 0.20, w = min(1.3, 2.7) = 1.3 mm, fails 0.6 mm.
      {"decking only", 3.11e3, 0.20, 0.005, 1.3, 0.05, 2.7, 0.05, false},
      // Two bracing lines and battens: kδ = 0.45, w = min(0.599, 2.654) = 0.6 mm, passes.
      {"bracing and battens", 7.35e4, 0.45, 0.005, 0.599, 0.0005, 2.654, 0.0005, true},
  };
  for (const Variant& c : variants) {
    SCOPED_TRACE(c.name);
    qv::FloorVibrationInput in;
    in.span = 4.5;
    in.spacing = 0.4;
    in.eiJoist = 13800.0 * (45.0 * 240.0 * 240.0 * 240.0 / 12.0) / 400.0 * 0.001;
    in.eiTransverse = c.eiTransverse;
    in.floorWidth = 5.0;
    in.mass = 120.0;
    in.damping = 0.01;
    in.velocityBase = 150.0;
    in.deflectionLimit = 0.6;
    const qv::FloorVibrationResult r = qv::CheckFloorVibration(in);
    ASSERT_TRUE(r.valid);
    EXPECT_NEAR(in.eiJoist, 1.79e6, 0.005e6);
    EXPECT_NEAR(r.f1, 9.5, 0.05);  // >= 9 Hz
    EXPECT_LE(r.frequencyUtilisation, 100.0);
    EXPECT_NEAR(r.kDelta, c.kDelta, c.kDeltaTolerance);
    EXPECT_NEAR(r.wPlate, c.wPlate, c.wPlateTolerance);
    EXPECT_NEAR(r.wJoist, c.wJoist, c.wJoistTolerance);
    EXPECT_DOUBLE_EQ(r.w, r.wPlate);
    EXPECT_EQ(r.deflectionUtilisation <= 100.0, c.deflectionPasses);
    if (c.eiTransverse < 1e4) {
      // Velocity, printed for the decking-only floor: n40 = 11, v = 0.010 <= 0.011.
      EXPECT_NEAR(r.n40, 11.0, 0.5);
      EXPECT_NEAR(r.v, 0.010, 0.0005);
      EXPECT_NEAR(r.vLimit, 0.011, 0.0005);
      EXPECT_LE(r.velocityUtilisation, 100.0);
    }
  }
}

}  // namespace
