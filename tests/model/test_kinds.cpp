// The numbers of the kinds as files store them: each known number reads, any other is refused.
#include <gtest/gtest.h>

#include "model/Kinds.h"

namespace {

TEST(Kinds, FileNumbersReadAndOthersAreRefused) {
  // Number, and whether it names a design code, a section shape, a load kind, a design kind.
  struct Row {
    int number;
    bool code, shape, load, combination;
  };
  const Row rows[] = {
      {-1, false, false, false, false}, {0, false, false, false, false},
      {1, true, true, true, true},      {2, true, true, true, true},
      {3, true, false, true, true},     {4, true, false, false, true},
      {5, false, false, false, false},  {11, false, false, false, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.number);
    qv::DesignCode code = qv::DesignCode::kLimitState;
    qv::SectionShape shape = qv::SectionShape::kRectangle;
    qv::LoadKind load = qv::LoadKind::kPoint;
    qv::CombinationKind combination = qv::CombinationKind::kStress;
    ASSERT_EQ(qv::DesignCodeFromInt(r.number, code), r.code);
    ASSERT_EQ(qv::SectionShapeFromInt(r.number, shape), r.shape);
    ASSERT_EQ(qv::LoadKindFromInt(r.number, load), r.load);
    ASSERT_EQ(qv::CombinationKindFromInt(r.number, combination), r.combination);
    // What reads writes back as the same number; a refused number leaves the kind alone.
    EXPECT_EQ(qv::ToInt(code), r.code ? r.number : 2);
    EXPECT_EQ(qv::ToInt(shape), r.shape ? r.number : 1);
    EXPECT_EQ(qv::ToInt(load), r.load ? r.number : 1);
    EXPECT_EQ(qv::ToInt(combination), r.combination ? r.number : 1);
  }
}

}  // namespace
