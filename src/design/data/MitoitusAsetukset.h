// Design settings: which checks run, buckling and lateral-torsional buckling data, deflection
// limits.
#pragma once

#include "model/Kinds.h"

// The floor vibration check of design code 4 (EN 1995-1-1 7.3; project file section 652).
// Lengths in m, stiffness in N·m²/m of floor width, mass in kg/m².
struct FloorVibrationSettings {
  bool on = false;
  double floorWidth = 5.0;              // B
  double transverseStiffness = 3110.0;  // (EI)_B: decking, bracing lines and battens together
  double mass = 0.0;                    // m; 0 = derived from the permanent loads
  double damping = 0.01;                // zeta, EN default (check)
  double velocityBase = 150.0;          // b_v, EN default (check)
  double deflectionLimit = 0.5;         // a, mm under 1 kN (check)
  double frequencyLimit = 9.0;          // Hz

  bool operator==(const FloorVibrationSettings& o) const {
    return on == o.on && floorWidth == o.floorWidth &&
           transverseStiffness == o.transverseStiffness && mass == o.mass && damping == o.damping &&
           velocityBase == o.velocityBase && deflectionLimit == o.deflectionLimit &&
           frequencyLimit == o.frequencyLimit;
  }
};

// Accepted ranges of the vibration settings, in the file and in the dialog.
struct FloorVibrationRange {
  double min, max;
};
constexpr FloorVibrationRange kFloorWidthRange{0.1, 100.0};
constexpr FloorVibrationRange kTransverseStiffnessRange{0.1, 1.0e9};
constexpr FloorVibrationRange kFloorMassRange{0.0, 10000.0};  // 0 = derived
constexpr FloorVibrationRange kDampingRange{0.001, 0.2};
constexpr FloorVibrationRange kVelocityBaseRange{50.0, 300.0};
constexpr FloorVibrationRange kVibrationDeflectionRange{0.05, 10.0};
constexpr FloorVibrationRange kFrequencyLimitRange{1.0, 40.0};

// Settings of design code 4 (project file sections 651 and 652), apart from the thirty.
struct Ec5NaSettings {
  int consequenceClass = 2;     // CC1..CC3, giving K_FI
  double ltbFactor = 0.9;       // a of EN 1995-1-1 Table 6.1: lef = a * l + delta
  int loadPosition = 1;         // 0 axis, 1 compression edge (+2h), 2 tension edge (-0.5h)
  double kc90 = 1.0;            // bearing factor of 6.1.5
  double winstLimit = 300.0;    // L/x limits of the instantaneous, net final and final
  double wnetfinLimit = 250.0;  // deflections
  double wfinLimit = 150.0;
  FloorVibrationSettings vibration;  // section 652

  bool operator==(const Ec5NaSettings& o) const {
    return consequenceClass == o.consequenceClass && ltbFactor == o.ltbFactor &&
           loadPosition == o.loadPosition && kc90 == o.kc90 && winstLimit == o.winstLimit &&
           wnetfinLimit == o.wnetfinLimit && wfinLimit == o.wfinLimit && vibration == o.vibration;
  }
};

// The thirty settings in their saved order (field numbers 1..30 in the comments). Lengths
// in mm; a deflection limit is either the denominator n of L/n ("rel") or an absolute limit
// in mm ("abs"); 0 means that the limit is not applied.
struct MitoitusAsetukset {
  static constexpr int kFieldCount = 30;
  // Directions of the deflection limits (local axes).
  static constexpr int kDirectionY = 2;
  static constexpr int kDirectionZ = 3;
  // Buckling-length modes.
  static constexpr int kFactorMode = 1;
  static constexpr int kLengthMode = 2;

  double UlokeKerroin = 2.0;  // 1  raise factor of relative limits on cantilever spans
  double Yrel1 = 300.0;       // 2  condition 1: codes 1, 2 all loads; code 3 U2,inst
  double Yabs1 = 0.0;         // 3
  double Zrel1 = 300.0;       // 4
  double Zabs1 = 0.0;         // 5
  double Yrel2 = 200.0;       // 6  condition 2: codes 1, 2 variable loads; code 3 U2,fin
  double Yabs2 = 0.0;         // 7
  double Zrel2 = 200.0;       // 8
  double Zabs2 = 0.0;         // 9
  double Yrel3 = 200.0;       // 10 condition 3: code 3 Unet,fin only
  double Yabs3 = 0.0;         // 11
  double Zrel3 = 200.0;       // 12
  double Zabs3 = 0.0;         // 13
  int Jannitys = 1;           // 14 stress checks on
  int Siirtyma = 1;           // 15 deflection checks on
  int Nurjahdus = 1;          // 16 buckling checks on
  int Kiepahdus = 1;          // 17 lateral-torsional buckling checks on
  int Ynurj = 1;              // 18 buckling in the y direction
  int Znurj = 0;              // 19 buckling in the z direction
  int YnurjTapa = 1;          // 20 y buckling length: 1 span x factor, 2 given length
  int ZnurjTapa = 1;          // 21
  double NurjKerrY = 1.0;     // 22 buckling-length factors
  double NurjKerrZ = 1.0;     // 23
  double LcY = 0.0;           // 24 given buckling lengths
  double LcZ = 0.0;           // 25
  double EpakY = 400.0;       // 26 eccentricity e = L/n, the n
  double EpakZ = 400.0;       // 27
  double Lk = 0.0;            // 28 lateral-support spacing; 0 = the span lengths
  double Kk1 = 0.075;         // 29 k_k1 (codes 1 and 2)
  double MRelM = 1.15;        // 30 m_rel,m (code 3)
  Ec5NaSettings ec5;          // code 4 only, saved apart

  // Field n (1..30) as a number; 0 outside.
  double Field(int n) const;
  // Sets field n; integer fields take the value truncated. 0, or -1 for an unknown field
  // or a value that is not a finite number.
  int SetField(int n, double value);

  // Limits of a direction (2 = y, 3 = z) and condition (1..3); 0 outside.
  double RelLimit(int direction, int condition) const;
  double AbsLimit(int direction, int condition) const;

  // The design page's check boxes: buckling and lateral-torsional buckling run only
  // with the stress checks.
  void SetCheckGroups(bool jannitys, bool siirtyma, bool nurjahdus, bool kiepahdus);
};

// Which design-page controls are enabled for the state of its four check boxes.
struct MitoitusCheckEnables {
  bool NurjahdusCheck = true;
  bool KiepahdusCheck = true;
  bool JannAseBTN = true;
  bool NurjAseBTN = true;
  bool KiepAseBTN = true;
  bool SiirAseBTN = true;
};
MitoitusCheckEnables CheckEnables(bool jannitys, bool siirtyma, bool nurjahdus, bool kiepahdus);

// Utilisation in percent of the largest displacement of one condition (1..3) against its
// relative limit L/n (raised by the cantilever factor on a cantilever span) and its
// absolute limit; the larger of the two, 0 when neither is set.
double DeflectionConditionUtilisation(const MitoitusAsetukset& settings, qv::DesignCode code,
                                      int direction, int condition, double spanLength, double u,
                                      int cantilever);

// The limits of a condition under the code: codes 1 to 3 those of the thirty settings; code 4
// its own L/x of winst (1), wnet,fin (2) and wfin (3) in both directions, and no absolute one.
double RelLimitOf(const MitoitusAsetukset& settings, qv::DesignCode code, int direction,
                  int condition);
double AbsLimitOf(const MitoitusAsetukset& settings, qv::DesignCode code, int direction,
                  int condition);

// Deflection conditions the code checks: 1 and 2, and with EC5 also 3 (Unet,fin).
int DeflectionConditionCount(qv::DesignCode code);

// Utilisation in percent of a span in direction 2 (y) or 3 (z): the largest over
// condition 1 (u1), condition 2 (u2) and, where the code checks it, condition 3 (u3).
double DeflectionUtilisation(const MitoitusAsetukset& settings, qv::DesignCode code, int direction,
                             double spanLength, double u1, double u2, double u3, int cantilever);

// True when condition (1..3, or 0 = any) has a relative or absolute limit in the
// direction; condition 3 counts only where the code checks it.
bool HasDeflectionLimit(const MitoitusAsetukset& settings, qv::DesignCode code, int direction,
                        int condition);
