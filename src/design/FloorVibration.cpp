// The floor vibration checks of EN 1995-1-1 7.3 for one simply supported span of joists.
#include "design/FloorVibration.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/NumberText.h"

namespace qv {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPointLoad = 1000.0;  // N
constexpr double kModeLimit = 40.0;    // Hz
constexpr double kMetreToMm = 1000.0;

bool Positive(double v) { return v > 0.0 && std::isfinite(v); }

}  // namespace

double FundamentalFrequency(double span, double eiJoist, double mass) {
  if (!Positive(span) || !Positive(eiJoist) || !Positive(mass)) return 0.0;
  return kPi / (2.0 * span * span) * std::sqrt(eiJoist / mass);
}

double PointLoadSpreadFactor(double eiTransverse, double eiJoist) {
  if (!Positive(eiTransverse) || !Positive(eiJoist)) return 0.0;
  return std::pow(eiTransverse / eiJoist, 0.25);
}

double PlateDeflection(double span, double kDelta, double eiJoist) {
  if (!Positive(kDelta) || !Positive(eiJoist)) return std::numeric_limits<double>::infinity();
  return kPointLoad * span * span / (42.0 * kDelta * eiJoist) * kMetreToMm;
}

double JoistDeflection(double span, double spacing, double eiJoist) {
  if (!Positive(spacing) || !Positive(eiJoist)) return std::numeric_limits<double>::infinity();
  return kPointLoad * span * span * span / (48.0 * spacing * eiJoist) * kMetreToMm;
}

double ModesBelow40Hz(double f1, double floorWidth, double span, double eiJoist,
                      double eiTransverse) {
  if (f1 >= kModeLimit) return 0.0;
  if (!Positive(f1) || !Positive(span) || !Positive(eiTransverse))
    return std::numeric_limits<double>::infinity();
  const double ratio = kModeLimit / f1;
  return std::pow((ratio * ratio - 1.0) * std::pow(floorWidth / span, 4.0) * eiJoist / eiTransverse,
                  0.25);
}

double UnitImpulseVelocity(double n40, double mass, double floorWidth, double span) {
  return 4.0 * (0.4 + 0.6 * n40) / (mass * floorWidth * span + 200.0);
}

double VelocityLimit(double velocityBase, double f1, double damping) {
  return std::pow(velocityBase, f1 * damping - 1.0);
}

double FloorVibrationResult::Largest() const {
  return std::max({frequencyUtilisation, deflectionUtilisation, velocityUtilisation});
}

FloorVibrationResult CheckFloorVibration(const FloorVibrationInput& in) {
  FloorVibrationResult r;
  for (double v : {in.span, in.spacing, in.eiJoist, in.eiTransverse, in.floorWidth, in.mass,
                   in.damping, in.velocityBase, in.deflectionLimit, in.frequencyLimit})
    if (!Positive(v)) return r;
  r.f1 = FundamentalFrequency(in.span, in.eiJoist, in.mass);
  r.kDelta = PointLoadSpreadFactor(in.eiTransverse, in.eiJoist);
  r.wPlate = PlateDeflection(in.span, r.kDelta, in.eiJoist);
  r.wJoist = JoistDeflection(in.span, in.spacing, in.eiJoist);
  r.w = std::min(r.wPlate, r.wJoist);
  r.n40 = ModesBelow40Hz(r.f1, in.floorWidth, in.span, in.eiJoist, in.eiTransverse);
  r.v = UnitImpulseVelocity(r.n40, in.mass, in.floorWidth, in.span);
  r.vLimit = VelocityLimit(in.velocityBase, r.f1, in.damping);
  r.frequencyUtilisation = in.frequencyLimit / r.f1 * 100.0;
  r.deflectionUtilisation = r.w / in.deflectionLimit * 100.0;
  r.velocityUtilisation = r.v / r.vLimit * 100.0;
  r.valid = true;
  for (double v : {r.f1, r.kDelta, r.w, r.n40, r.v, r.vLimit, r.frequencyUtilisation,
                   r.deflectionUtilisation, r.velocityUtilisation})
    if (!std::isfinite(v)) r.valid = false;
  return r;
}

std::vector<FloorVibrationLine> FloorVibrationLines(const FloorVibrationResult& r,
                                                    const FloorVibrationInput& in) {
  const auto u = [](double p) { return ": " + FormatFixed(p, 0) + " %"; };
  std::string frequency = "Ominaistaajuus (7.3): f1 = " + FormatFixed(r.f1, 2) + " Hz (raja " +
                          FormatFixed(in.frequencyLimit, 2) + " Hz)" + u(r.frequencyUtilisation);
  if (r.FrequencyFails()) frequency += ", " + std::string(kSpecialStudyNote);
  return {
      {frequency, r.frequencyUtilisation},
      {"Taipuma 1 kN:n pistekuormasta (7.3): w = min(" + FormatFixed(r.wPlate, 3) + "; " +
           FormatFixed(r.wJoist, 3) + ") = " + FormatFixed(r.w, 3) + " mm (raja " +
           FormatFixed(in.deflectionLimit, 3) + " mm), kdelta = " + FormatFixed(r.kDelta, 3) +
           u(r.deflectionUtilisation),
       r.deflectionUtilisation},
      {"Yksikköimpulssin nopeus (7.3): v = " + FormatFixed(r.v, 5) + " m/(Ns²) (raja " +
           FormatFixed(in.velocityBase, 0) + "^(f1·zeta - 1) = " + FormatFixed(r.vLimit, 5) +
           " m/(Ns²)), n40 = " + FormatFixed(r.n40, 2) + u(r.velocityUtilisation),
       r.velocityUtilisation},
  };
}

}  // namespace qv
