// Project files whose record texts look like section headers: what the fuzz target found.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/TextCodec.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

const std::string kProgram = std::string(QELVUX_SOURCE_DATA_DIR) + "/qelvux";

// The lines a save writes, read back as a load would read the file.
std::vector<std::string> SavedAndRead(QELVUX_data& p) {
  qv::BuildProjectFile(p);
  std::string bytes;
  for (const auto& line : p.TextFile.Lines()) bytes += qv::Utf8ToCp1252(line) + "\r\n";
  return qv::SplitLines(qv::DecodeFileText(bytes));
}

TEST(ProjectHostileInput, RecordNamesThatLookLikeHeadersSurviveSaveAndLoad) {
  QELVUX_data p(kProgram);
  const std::string fake = "[ ==== 401 ==== ]";
  const int cases = p.Loads.Cases().Count();
  p.Loads.Cases().AddCase(fake, 1);
  p.Loads.AddLoad("[ ==== 301 ==== ]", 0, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0,
                  p.Member.Length);
  p.Member.AddPoint("[ ==== 211 ==== ]", 2, 6111110, p.Member.Length / 2.0);
  const int points = p.Member.Count();
  const int loads = p.Loads.Count();

  QELVUX_data q(kProgram);
  std::string msg;
  ASSERT_EQ(qv::LoadProjectLines(q, SavedAndRead(p), &msg), 0) << msg;
  ASSERT_EQ(q.Loads.Cases().Count(), cases + 1);
  EXPECT_EQ(q.Loads.Cases().Name(cases), " " + fake);
  EXPECT_EQ(q.Loads.Count(), loads);
  EXPECT_EQ(q.Member.Count(), points);
  EXPECT_EQ(q.Loads.Combinations().Count(), p.Loads.Combinations().Count());

  // From then on the file is stable: a second save writes the same lines.
  QELVUX_data r(kProgram);
  const std::vector<std::string> once = SavedAndRead(q);
  ASSERT_EQ(qv::LoadProjectLines(r, once, &msg), 0) << msg;
  EXPECT_EQ(SavedAndRead(r), once);
}

}  // namespace
