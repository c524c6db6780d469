// The design thread: where jobs run, waiting, exceptions; and a design split over two threads
// giving exactly the numbers of one run on a single thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "design/DesignReport.h"
#include "design/DesignResults.h"
#include "design/DesignRun.h"
#include "design/DesignTestProject.h"
#include "design/SameRecords.h"
#include "design/DesignThread.h"

namespace {

TEST(DesignThread, JobsRunElsewhereAndNestedJobsRunAtOnce) {
  EXPECT_FALSE(qv::DesignThread::IsCurrent());
  std::thread::id outer, inner;
  bool innerOnDesignThread = false;
  qv::DesignThread::Start([&] {
    outer = std::this_thread::get_id();
    // A job that starts another and waits for it must not wait for itself.
    qv::DesignJob nested([&] {
      inner = std::this_thread::get_id();
      innerOnDesignThread = qv::DesignThread::IsCurrent();
    });
    nested.Wait();
  }).get();
  EXPECT_NE(outer, std::this_thread::get_id());
  EXPECT_EQ(inner, outer);
  EXPECT_TRUE(innerOnDesignThread);
}

TEST(DesignThread, ExceptionsReachTheWaiterAndLeavingTheScopeWaits) {
  qv::DesignJob failing([] { throw std::runtime_error("muisti loppui"); });
  EXPECT_THROW(failing.Wait(), std::runtime_error);

  std::atomic<bool> finished{false};
  {
    qv::DesignJob slow([&] {
      std::this_thread::sleep_for(std::chrono::milliseconds(30));
      finished = true;
    });
  }
  EXPECT_TRUE(finished.load());

  // Jobs run in the order they were started.
  std::vector<int> order;
  qv::DesignJob first([&] { order.push_back(1); });
  qv::DesignJob second([&] { order.push_back(2); });
  second.Wait();
  first.Wait();
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

using designtest::ExpectSameRecords;
using designtest::SameBits;

void ExpectSameDesign(const std::vector<qv::CombinationDesign>& a,
                      const std::vector<qv::CombinationDesign>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t c = 0; c < a.size(); ++c) {
    EXPECT_EQ(a[c].index, b[c].index);
    EXPECT_EQ(a[c].name, b[c].name);
    ExpectSameRecords(a[c].checks, b[c].checks);
    ExpectSameRecords(a[c].spans, b[c].spans);
    ASSERT_EQ(a[c].utilY.size(), b[c].utilY.size());
    for (std::size_t r = 0; r < a[c].utilY.size(); ++r) {
      EXPECT_TRUE(SameBits(a[c].utilY[r], b[c].utilY[r]));
      EXPECT_TRUE(SameBits(a[c].utilZ[r], b[c].utilZ[r]));
    }
  }
}

// A two-span beam with two load cases and stress and deflection combinations of both: the
// stress checks run on the design thread while the deflections run on the caller, and the
// result must be the one a single thread gets, bit for bit, however often it is asked.
TEST(DesignThread, SplitDesignEqualsOneThreadsDesign) {
  QELVUX_data p(designtest::ProgramPath());
  designtest::MakeBeam(p, 1.2);
  p.Member.AddPoint("T3", RakenneVektori::kSupport, RakenneVektori::kPinned, 3600.0);
  p.Loads.Cases().AddCase("Lumi", 2);
  p.Loads.AddLoad("P", 1, KuormaVektori::kPoint, 2, 1, -4000.0, 0.0, 1500.0, 0.0);
  KuormaYhdVektori& c = p.Loads.Combinations();
  c.AddHeader(3, KuormaYhdVektori::kStress);
  c.AddFactor(3, 0, 1.2);
  c.AddFactor(3, 1, 1.6);
  c.AddHeader(4, KuormaYhdVektori::kDeflection);
  c.AddFactor(4, 0, 1.0);
  c.AddFactor(4, 1, 1.0);
  ASSERT_EQ(qv::EnsureAnalysis(p, true), 0);

  qv::DesignResults single;
  qv::DesignThread::Start([&] { single = qv::CollectDesignResults(p); }).get();
  ASSERT_EQ(single.stress.size(), 2u);
  ASSERT_EQ(single.deflection.size(), 2u);
  ASSERT_TRUE(single.AllChecksRan());

  for (int round = 0; round < 3; ++round) {
    const qv::DesignResults split = qv::CollectDesignResults(p);
    ExpectSameDesign(split.stress, single.stress);
    ExpectSameDesign(split.deflection, single.deflection);
  }
  EXPECT_EQ(qv::WriteDesignReport(p), qv::WriteDesignReport(single, qv::DesignReportOptionsOf(p)));
}

}  // namespace
