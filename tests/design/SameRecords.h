// Bit-for-bit comparison of numbers and record tables, for results that must not change when
// the same work is done another way (on another thread, ahead of time).
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "model/QELvektori.h"

namespace designtest {

inline bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Every record's reals bit for bit and its integers, in the same layout.
inline void ExpectSameRecords(const QELvektori& a, const QELvektori& b, const char* what = "") {
  ASSERT_EQ(a.Count(), b.Count()) << what;
  ASSERT_EQ(a.RealCount(), b.RealCount()) << what;
  ASSERT_EQ(a.IntCount(), b.IntCount()) << what;
  for (int i = 0; i < a.Count(); ++i) {
    for (int j = 0; j < a.RealCount(); ++j)
      ASSERT_TRUE(SameBits(a.GetReal(i, j), b.GetReal(i, j)))
          << what << " record " << i << " real " << j;
    for (int j = 0; j < a.IntCount(); ++j) ASSERT_EQ(a.GetInt(i, j), b.GetInt(i, j)) << what;
  }
}

}  // namespace designtest
