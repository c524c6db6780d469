// Floor vibration of timber joists, EN 1995-1-1 7.3 as applied in Finland: the fundamental
// frequency, the deflection under a 1 kN point load and the unit impulse velocity of one
// simply supported span. Plain numbers in, plain numbers out; nothing here reads the project.
//
// Units: lengths in m, stiffnesses (EI) in N·m²/m (per metre width of floor), mass in kg/m²,
// frequency in Hz, deflection in mm, velocity in m/(N·s²). Utilisations in per cent.
#pragma once

#include <string>
#include <vector>

namespace qv {

// f1 = pi / (2 l²) · sqrt((EI)_l / m); 0 when an input is not above 0.
double FundamentalFrequency(double span, double eiJoist, double mass);
// k_delta = ((EI)_B / (EI)_l)^(1/4); 0 when an input is not above 0.
double PointLoadSpreadFactor(double eiTransverse, double eiJoist);
// The two deflections under F = 1 kN, in mm: the floor as a plate, F l² / (42 k_delta (EI)_l),
// infinite when k_delta is 0, and the one joist, F l³ / (48 s (EI)_l).
double PlateDeflection(double span, double kDelta, double eiJoist);
double JoistDeflection(double span, double spacing, double eiJoist);
// n40 = (((40 / f1)² - 1) (B / l)⁴ (EI)_l / (EI)_B)^(1/4), the first-order modes up to 40 Hz;
// 0 when f1 >= 40 Hz.
double ModesBelow40Hz(double f1, double floorWidth, double span, double eiJoist,
                      double eiTransverse);
// v = 4 (0.4 + 0.6 n40) / (m B l + 200).
double UnitImpulseVelocity(double n40, double mass, double floorWidth, double span);
// The limit b_v^(f1 zeta - 1).
double VelocityLimit(double velocityBase, double f1, double damping);

struct FloorVibrationInput {
  double span = 0.0;          // l
  double spacing = 0.0;       // s, the joist spacing
  double eiJoist = 0.0;       // (EI)_l = E0,mean I / s
  double eiTransverse = 0.0;  // (EI)_B
  double floorWidth = 0.0;    // B
  double mass = 0.0;          // m
  double damping = 0.01;      // zeta
  double velocityBase = 150.0;
  double deflectionLimit = 0.5;  // a, mm
  double frequencyLimit = 9.0;   // Hz
};

struct FloorVibrationResult {
  bool valid = false;  // every input above 0 and every result a number
  double f1 = 0.0;
  double kDelta = 0.0;
  double wPlate = 0.0;
  double wJoist = 0.0;
  double w = 0.0;  // the smaller of the two
  double n40 = 0.0;
  double v = 0.0;
  double vLimit = 0.0;
  double frequencyUtilisation = 0.0;   // limit / f1
  double deflectionUtilisation = 0.0;  // w / a
  double velocityUtilisation = 0.0;    // v / limit

  bool FrequencyFails() const { return frequencyUtilisation > 100.0; }
  double Largest() const;
};

// The three checks of one span; valid = false when an input is not above 0 (zeta and the
// limits included) or a result is no number.
FloorVibrationResult CheckFloorVibration(const FloorVibrationInput& in);

// One check of a span as a line with its utilisation.
struct FloorVibrationLine {
  std::string text;
  double utilisation = 0.0;
};

// The three checks of a span, clause 7.3, e.g.
// "Ominaistaajuus (7.3): f1 = 9.47 Hz (raja 9.00 Hz): 95 %" (a failing frequency adds that a
// special study is needed), "Taipuma 1 kN:n pistekuormasta (7.3): w = min(1.320; 2.654) =
// 1.320 mm (raja 0.500 mm), kdelta = 0.204: 264 %", "Yksikköimpulssin nopeus (7.3): v = 0.00967
// m/(Ns²) (raja 150^(f1·zeta - 1) = 0.01072 m/(Ns²)), n40 = 11.02: 90 %".
std::vector<FloorVibrationLine> FloorVibrationLines(const FloorVibrationResult& r,
                                                    const FloorVibrationInput& in);

// Said of a failing frequency.
constexpr const char* kSpecialStudyNote =
    "ominaistaajuus alle raja-arvon: lattia vaatii erillisen värähtelytarkastelun";

}  // namespace qv
