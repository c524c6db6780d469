// Member points: order, reset state, look-ups, shortening and the drawing extent.
#include <gtest/gtest.h>

#include <cmath>

#include "model/RakenneVektori.h"

namespace {

TEST(RakenneVektori, ConstructionDefaultsDifferFromReset) {
  RakenneVektori m;
  EXPECT_EQ(m.Count(), 0);
  EXPECT_DOUBLE_EQ(m.Length, 1000.0);
  EXPECT_DOUBLE_EQ(m.LoadWidth, 1000.0);
  EXPECT_DOUBLE_EQ(m.RidgeX, -1.0);
  EXPECT_EQ(m.Name, "Palkki");
  EXPECT_EQ(m.CurrentIndex, -1);
}

TEST(RakenneVektori, ResetGivesTwoPinnedEndSupportsAndKeepsLoadWidth) {
  RakenneVektori m;
  m.LoadWidth = 1200.0;
  m.Angle = 30.0;
  m.Length = 4321.0;
  m.RidgeX = 200.0;
  m.Name = "Orsi";
  m.CurrentIndex = 3;
  m.TreeRebuilding = 1;
  m.AddPoint("x", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 100.0);
  m.Reset();

  ASSERT_EQ(m.Count(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(m.Kind(i), RakenneVektori::kSupport);
    EXPECT_EQ(m.Code(i), 6111000);
    EXPECT_STREQ(m.GetText(i, 0), " ");
  }
  EXPECT_DOUBLE_EQ(m.X(0), 0.0);
  EXPECT_DOUBLE_EQ(m.X(1), 6000.0);
  EXPECT_DOUBLE_EQ(m.Length, 6000.0);
  EXPECT_DOUBLE_EQ(m.Angle, 0.0);
  EXPECT_DOUBLE_EQ(m.RidgeX, -1.0);
  EXPECT_EQ(m.Name, "Palkki");
  EXPECT_EQ(m.CurrentIndex, -1);
  EXPECT_EQ(m.TreeRebuilding, 0);
  EXPECT_DOUBLE_EQ(m.LoadWidth, 1200.0);
  // The record line of a blank-named pinned support at 0.
  EXPECT_EQ(m.FormatRecord(0), " ;1;6111000;0.000");
}

TEST(RakenneVektori, PointsAreOrderedByKindThenX) {
  RakenneVektori m;
  m.Reset();
  m.AddPoint("T3", RakenneVektori::kSupport, RakenneVektori::kSlidingX, 3000.0);
  EXPECT_DOUBLE_EQ(m.X(1), 3000.0);
  EXPECT_STREQ(m.GetText(1, 0), "T3");

  const int h = m.AddPoint("N", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 1000.0);
  EXPECT_EQ(h, 3);  // after every support though its x is smaller
  m.AddPoint("N0", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 500.0);
  EXPECT_STREQ(m.GetText(3, 0), "N0");
  EXPECT_STREQ(m.GetText(4, 0), "N");

  // Equal kind and x: order of addition.
  m.AddPoint("A", RakenneVektori::kSupport, RakenneVektori::kPinned, 3000.0);
  m.AddPoint("B", RakenneVektori::kSupport, RakenneVektori::kPinned, 3000.0);
  EXPECT_STREQ(m.GetText(1, 0), "T3");
  EXPECT_STREQ(m.GetText(2, 0), "A");
  EXPECT_STREQ(m.GetText(3, 0), "B");

  // Parsed lines follow the same rule.
  EXPECT_EQ(m.ParseRecord("P;1;6111111;0"), 1);
  EXPECT_STREQ(m.GetText(1, 0), "P");
}

TEST(RakenneVektori, AddPointNormalisesNames) {
  RakenneVektori m;
  m.AddPoint("", RakenneVektori::kSupport, RakenneVektori::kPinned, 0.0);
  EXPECT_STREQ(m.GetText(0, 0), " ");
  // 60 characters with a two-byte letter at the cut: 59 characters stay.
  std::string longName(58, 'a');
  longName +=
      "\xC3\xA4"
      "b";
  m.AddPoint(longName, RakenneVektori::kSupport, RakenneVektori::kPinned, 10.0);
  EXPECT_EQ(std::string(m.GetText(1, 0)), std::string(58, 'a') + "\xC3\xA4");
}

TEST(RakenneVektori, FindPointAndCounts) {
  RakenneVektori m;
  m.Reset();
  m.AddPoint("N", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 2000.0);
  EXPECT_EQ(m.FindPoint(RakenneVektori::kSupport, 6000.0, 0.0), 1);
  EXPECT_EQ(m.FindPoint(RakenneVektori::kSupport, 5990.0, 0.0), -1);
  EXPECT_EQ(m.FindPoint(RakenneVektori::kSupport, 5990.0, 10.0), 1);
  EXPECT_EQ(m.FindPoint(RakenneVektori::kSupport, 5989.9, 10.0), -1);
  EXPECT_EQ(m.FindPoint(RakenneVektori::kHinge, 0.0, 100.0), -1);  // kind must match
  EXPECT_EQ(m.FindPoint(RakenneVektori::kHinge, 2000.0, 0.0), 2);
  EXPECT_EQ(m.CountOfKind(RakenneVektori::kSupport), 2);
  EXPECT_EQ(m.CountOfKind(RakenneVektori::kHinge), 1);
  EXPECT_EQ(m.FirstIndexOfKind(RakenneVektori::kHinge), 2);
  EXPECT_EQ(m.FirstIndexOfKind(3), -1);
}

TEST(RakenneVektori, RemovePointsBeyondKeepsPointsAtOrBefore) {
  RakenneVektori m;
  m.Reset();
  m.RemovePointsBeyond(5000.0);
  ASSERT_EQ(m.Count(), 1);
  EXPECT_DOUBLE_EQ(m.X(0), 0.0);

  m.Reset();
  m.AddPoint("N", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 5000.0);
  m.AddPoint("M", RakenneVektori::kHinge, RakenneVektori::kHingeZ, 5500.0);
  m.CurrentIndex = 2;  // the hinge at 5000, which stays
  m.RemovePointsBeyond(5000.0);
  ASSERT_EQ(m.Count(), 2);
  EXPECT_STREQ(m.GetText(1, 0), "N");
  EXPECT_EQ(m.CurrentIndex, 1);  // followed its point

  m.CurrentIndex = 1;
  m.RemovePointsBeyond(100.0);
  EXPECT_EQ(m.Count(), 1);
  EXPECT_EQ(m.CurrentIndex, -1);  // its point is gone
}

TEST(RakenneVektori, ExtentProjectsPointsAndEnd) {
  RakenneVektori m;
  m.Reset();
  double x0, y0, x1, y1;
  m.Extent(x0, y0, x1, y1);
  EXPECT_DOUBLE_EQ(x0, 0.0);
  EXPECT_DOUBLE_EQ(y0, 0.0);
  EXPECT_DOUBLE_EQ(x1, 6000.0);
  EXPECT_NEAR(y1, 0.0, 1e-9);

  m.Angle = 30.0;
  m.Length = 4000.0;
  m.RemovePointsBeyond(4000.0);
  m.Extent(x0, y0, x1, y1);
  EXPECT_NEAR(x1, 4000.0 * std::sqrt(3.0) / 2.0, 1e-9);
  EXPECT_NEAR(y1, 2000.0, 1e-9);

  // A point read from a file beyond L still widens the extent.
  m.AddPoint("T", RakenneVektori::kSupport, RakenneVektori::kPinned, 8000.0);
  m.Extent(x0, y0, x1, y1);
  EXPECT_NEAR(y1, 4000.0, 1e-9);
  EXPECT_DOUBLE_EQ(x0, 0.0);
}

}  // namespace
