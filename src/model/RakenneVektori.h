// The member: its scalars (length, angle, load width, name) and its points, supports and hinges.
#pragma once

#include <string>

#include "model/QELvektori.h"

// Point records: text 0 name, int 0 point kind, int 1 restraint code, real 0 x.
// Kept ordered by kind (supports first), then by x; equal ones in order of addition.
class RakenneVektori : public QELvektori {
 public:
  // Point kinds.
  static constexpr int kSupport = 1;
  static constexpr int kHinge = 2;
  // Restraint codes: 6, then ux uy uz rx ry rz, 1 = held / connected.
  static constexpr int kPinned = 6111000;    // "Niveltuki"
  static constexpr int kSlidingX = 6011000;  // "Liukutuki X"
  static constexpr int kSlidingY = 6101000;  // "Liukutuki Y"
  static constexpr int kFixed = 6111111;     // "Jäykkätuki"
  static constexpr int kHingeZ = 6111110;    // "Nivel (Z-akselin ympäri)"
  // Field positions inside a point record.
  static constexpr int kIntKind = 0;
  static constexpr int kIntCode = 1;
  static constexpr int kRealX = 0;

  RakenneVektori();

  int InsertPosition(const QELalkio& record) const override;

  // Member back to its start-up shape: L 6000, angle 0, no ridge, "Palkki", two pinned
  // supports at the ends. The load width is kept.
  void Reset();

  // Adds a point in member order; an empty name is stored as one blank and a name is cut
  // to 59 characters. Returns its index.
  int AddPoint(const std::string& name, int kind, int code, double x);

  int Kind(int i) const { return GetInt(i, kIntKind); }
  int Code(int i) const { return GetInt(i, kIntCode); }
  double X(int i) const { return GetReal(i, kRealX); }

  // First point of that kind with |x_i - x| <= tolerance, or -1.
  int FindPoint(int kind, double x, double tolerance) const;
  // Deletes every point with x_i > x (the member was shortened).
  void RemovePointsBeyond(double x);
  int CountOfKind(int kind) const;
  int FirstIndexOfKind(int kind) const;
  // World rectangle of the member and its points in the main system, starting from 0 and
  // including the end L.
  void Extent(double& minX, double& minY, double& maxX, double& maxY) const;

  double LoadWidth = 1000.0;  // mm over which surface loads gather into line loads
  double Angle = 0.0;         // degrees from horizontal, 0..90
  double Length = 1000.0;     // mm
  double RidgeX = -1.0;       // mm; negative = no ridge
  std::string Name = "Palkki";
  int CurrentIndex = -1;   // point selected in the structure tree
  int TreeRebuilding = 0;  // 1 while the structure tree is rebuilt
};
