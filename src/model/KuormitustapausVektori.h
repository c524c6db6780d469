// Load cases: a name and a load-duration class each, kept in order of addition.
#pragma once

#include <string>

#include "model/QELvektori.h"

// Records: text 0 name, int 0 duration class (0-based line of the material table's
// duration classes).
class KuormitustapausVektori : public QELvektori {
 public:
  KuormitustapausVektori();

  // Appends a case; returns its index.
  int AddCase(const std::string& name, int durationClass);

  std::string Name(int i) const { return TextOr(i, 0); }
  int DurationClass(int i) const { return GetInt(i, 0); }
  bool IsValid(int k) const { return k >= 0 && k < Count(); }
};
