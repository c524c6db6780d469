// Tests of the support check: rigid-body restraint, hinges at the ends, chains of hinges.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/RakenneVektori.h"
#include "pagelogic/SupportCheck.h"

namespace {

using RV = RakenneVektori;

const std::string kNotEnough = "Palkkia ei ole tuettu riittävästi!";
const std::string kStart = "Rakenteen alkupää tukematta!";
const std::string kEnd = "Rakenteen loppupää tukematta!";
const std::string kChain = "Rakenteen sisällä nivelketju!";

RV Member(double length, const std::vector<std::pair<double, int>>& supports,
          const std::vector<double>& hinges = {}, double angle = 0.0) {
  RV m;
  m.Length = length;
  m.Angle = angle;
  for (const auto& s : supports) m.AddPoint(" ", RV::kSupport, s.second, s.first);
  for (double x : hinges) m.AddPoint(" ", RV::kHinge, RV::kHingeZ, x);
  return m;
}

// Runs the check; the message is "" when it passed.
std::string Check(const RV& m) {
  std::string message;
  const int rc = qv::SupportCheck(m, message);
  EXPECT_TRUE(rc == 0 || rc == -1);
  EXPECT_EQ(rc == 0, message.empty()) << message;
  return rc == 0 ? std::string() : message;
}

TEST(SupportCheckRestraint, ResetMemberIsAccepted) {
  RV m;
  m.Reset();
  EXPECT_EQ(Check(m), "");
}

TEST(SupportCheckRestraint, CantileverAndSingleSupport) {
  EXPECT_EQ(Check(Member(3000, {{0, RV::kFixed}})), "");
  EXPECT_EQ(Check(Member(3000, {{0, RV::kPinned}})), kNotEnough);
  EXPECT_EQ(Check(Member(3000, {{3000, RV::kFixed}}, {}, 90.0)), "");
}

TEST(SupportCheckRestraint, NoSupportAtAll) {
  EXPECT_EQ(Check(Member(6000, {})), kNotEnough);
  EXPECT_EQ(Check(Member(6000, {}, {3000})), kNotEnough);
}

TEST(SupportCheckRestraint, SlidingSupportsMustHoldBothDirections) {
  // Two "Liukutuki Y" hold X only: nothing holds a horizontal beam up.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kSlidingY}, {6000, RV::kSlidingY}})), kNotEnough);
  // Two "Liukutuki X" hold Y only: nothing holds it along X.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kSlidingX}, {6000, RV::kSlidingX}})), kNotEnough);
  // The usual simple beam: one pinned, one sliding along X.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kPinned}, {6000, RV::kSlidingX}})), "");
  // Sliding first, pinned second: the pinned one finds nY > 0.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kSlidingX}, {6000, RV::kPinned}})), "");
}

TEST(SupportCheckRestraint, ColumnGetsItsSurplusThroughX) {
  // α = 90: the second pinned support adds to s through nX > 0 and α > 0.
  EXPECT_EQ(Check(Member(3000, {{0, RV::kPinned}, {3000, RV::kPinned}}, {}, 90.0)), "");
  // A column on a pinned base with a "Liukutuki Y" top (holds X): accepted.
  EXPECT_EQ(Check(Member(3000, {{0, RV::kPinned}, {3000, RV::kSlidingY}}, {}, 90.0)), "");
  // ...but with a "Liukutuki X" top (holds Y, along the column) nothing stops it turning.
  EXPECT_EQ(Check(Member(3000, {{0, RV::kPinned}, {3000, RV::kSlidingX}}, {}, 90.0)), kNotEnough);
}

TEST(SupportCheckRestraint, UnknownCodeHoldsNothing) {
  EXPECT_EQ(Check(Member(6000, {{0, RV::kPinned}, {6000, 6000000}})), kNotEnough);
}

TEST(SupportCheckHinges, EachHingeUsesOneSurplus) {
  // s = 1 - 1 = 0.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kPinned}, {6000, RV::kPinned}}, {3000})), kNotEnough);
  // A third support makes it a Gerber beam.
  EXPECT_EQ(
      Check(Member(6000, {{0, RV::kPinned}, {2000, RV::kPinned}, {6000, RV::kPinned}}, {3000})),
      "");
  // A fixed base gives s = 2: one hinge leaves 1.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kFixed}, {6000, RV::kPinned}}, {3000})), "");
}

TEST(SupportCheckHinges, HingeAtAnEndNeedsAFixedSupportThere) {
  EXPECT_EQ(
      Check(Member(6000, {{0, RV::kFixed}, {3000, RV::kPinned}, {6000, RV::kPinned}}, {6000})),
      kNotEnough);
  // Over a fixed support at 0 it passes the restraint count, but the start is then a hinge.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kFixed}, {3000, RV::kPinned}, {6000, RV::kPinned}}, {0})),
            kStart);
  EXPECT_EQ(
      Check(Member(6000, {{0, RV::kPinned}, {3000, RV::kPinned}, {6000, RV::kFixed}}, {6000})),
      kEnd);
}

TEST(SupportCheckHinges, HingeBeyondTheOutermostPoint) {
  // Supports at 1000 and 4000 on a 6000 member: a hinge at 5000 is the last point.
  EXPECT_EQ(Check(Member(6000, {{1000, RV::kFixed}, {4000, RV::kPinned}}, {5000})), kEnd);
  // A hinge at 500 is the first point.
  EXPECT_EQ(Check(Member(6000, {{1000, RV::kPinned}, {4000, RV::kFixed}}, {500})), kStart);
  // Hinges at both ends of the points: the later message stays.
  EXPECT_EQ(Check(Member(6000, {{1000, RV::kFixed}, {4000, RV::kFixed}}, {500, 5000})), kEnd);
}

TEST(SupportCheckChains, TwoHingesAfterThePinnedStart) {
  // s = 3 - 2 = 1; counter 1 at 0, 2 and 3 at the hinges.
  EXPECT_EQ(
      Check(Member(
          6000, {{0, RV::kPinned}, {3000, RV::kPinned}, {4500, RV::kPinned}, {6000, RV::kPinned}},
          {1000, 2000})),
      kChain);
}

TEST(SupportCheckChains, TwoHingesBeforeThePinnedEnd) {
  // Counter 1 and 2 at the hinges, 3 at the last support.
  EXPECT_EQ(
      Check(Member(
          6000, {{0, RV::kPinned}, {1500, RV::kPinned}, {3000, RV::kPinned}, {6000, RV::kPinned}},
          {4000, 5000})),
      kChain);
}

TEST(SupportCheckChains, FixedEndsAndInnerSupportsBreakTheChain) {
  // A fixed end does not turn: counter 0 there, 2 at the second hinge.
  EXPECT_EQ(
      Check(Member(6000,
                   {{0, RV::kPinned}, {1500, RV::kPinned}, {3000, RV::kPinned}, {6000, RV::kFixed}},
                   {4000, 5000})),
      "");
  // A support between the hinges resets the counter.
  EXPECT_EQ(Check(Member(8000,
                         {{0, RV::kPinned},
                          {2000, RV::kPinned},
                          {4000, RV::kPinned},
                          {6000, RV::kPinned},
                          {8000, RV::kPinned}},
                         {1000, 3000, 5000})),
            "");
  // One hinge between two pinned supports and a fixed start: 0, 1, 2.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kFixed}, {6000, RV::kPinned}}, {3000})), "");
}

TEST(SupportCheckChains, HingeOnAnInnerSupport) {
  // Two simple spans sharing a support: stable.
  EXPECT_EQ(
      Check(Member(6000, {{0, RV::kPinned}, {3000, RV::kPinned}, {6000, RV::kPinned}}, {3000})),
      "");
  // Hinges at 1000 and over the support at 3000: with a fixed start the piece 0-1000 is a
  // cantilever and 1000-3000 hangs on it...
  EXPECT_EQ(
      Check(Member(6000, {{0, RV::kFixed}, {3000, RV::kPinned}, {6000, RV::kFixed}}, {1000, 3000})),
      "");
  // ...with a pinned start the pieces 0-1000 and 1000-3000 turn about 0, 1000 and 3000.
  EXPECT_EQ(
      Check(Member(6000,
                   {{0, RV::kPinned}, {3000, RV::kPinned}, {4500, RV::kPinned}, {6000, RV::kFixed}},
                   {1000, 3000})),
      kChain);
  // Fixed start, pinned support with a hinge at 3000, hinge at 4000, pinned end: the
  // pieces 3000-4000 and 4000-6000 turn about 3000, 4000 and 6000.
  EXPECT_EQ(Check(Member(6000, {{0, RV::kFixed}, {3000, RV::kPinned}, {6000, RV::kPinned}},
                         {3000, 4000})),
            kChain);
}

TEST(SupportCheckProject, SameResultThroughTheMemberAlone) {
  RV m = Member(6000, {{0, RV::kPinned}}, {});
  std::string a, b;
  EXPECT_EQ(qv::SupportCheck(m, a), -1);
  EXPECT_EQ(a, kNotEnough);
  m.AddPoint(" ", RV::kSupport, RV::kSlidingX, 6000);
  EXPECT_EQ(qv::SupportCheck(m, b), 0);
}

}  // namespace
