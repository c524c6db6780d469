// Record vectors: growth, insertion rules, getters, line form and record files.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "model/QELvektori.h"
#include "model/TextCodec.h"

namespace {

namespace fs = std::filesystem;

fs::path TempFile(const std::string& name) {
  fs::path dir = fs::temp_directory_path() / "qelvux_test_qelvektori";
  fs::create_directories(dir);
  return dir / name;
}

void WriteBytes(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

std::string ReadBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Layout text, integer, real: the default order of a vector with one of each.
QELvektori MakeTir() {
  QELvektori v(20, 20);
  v.SetLayout(1, 1, 1);
  return v;
}

// Orders by the first real, ascending; equal values go after the existing ones.
class SortedVector : public QELvektori {
 public:
  SortedVector() { SetLayout(1, 0, 1); }
  int InsertPosition(const QELalkio& r) const override {
    for (int i = 0; i < Count(); ++i)
      if (GetReal(i, 0) > r.reals[0]) return i;
    return Count();
  }
};

TEST(QELvektori, GrowsBeforeItIsCompletelyFull) {
  QELvektori v(20, 20);
  v.SetLayout(0, 1, 0);
  for (int i = 0; i < 19; ++i) v.AddRecord(nullptr, nullptr, nullptr);
  EXPECT_EQ(v.Capacity(), 20);  // the 19th add saw count 18, not above 18
  v.AddRecord(nullptr, nullptr, nullptr);
  EXPECT_EQ(v.Capacity(), 40);  // the 20th add saw count 19 > 18
  EXPECT_EQ(v.Count(), 20);
}

TEST(QELvektori, AbsentGroupsStartNeutralAndGettersAreRangeSafe) {
  QELvektori v = MakeTir();
  EXPECT_EQ(v.AddRecord(nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(v.GetText(0, 0), nullptr);
  EXPECT_EQ(v.GetReal(0, 0), 0.0);
  EXPECT_EQ(v.GetInt(0, 0), 0);
  EXPECT_EQ(v.GetText(5, 0), nullptr);
  EXPECT_EQ(v.GetReal(0, 7), 0.0);
  EXPECT_EQ(v.GetInt(-1, 0), 0);
  EXPECT_EQ(v.RemoveRecord(3), -1);
  EXPECT_EQ(v.RemoveRecord(0), 0);
  EXPECT_EQ(v.Count(), 0);
}

TEST(QELvektori, InsertRuleKeepsEqualRecordsInArrivalOrder) {
  SortedVector v;
  v.AddRecord({"b"}, {2.0}, {});
  v.AddRecord({"a"}, {1.0}, {});
  v.AddRecord({"b2"}, {2.0}, {});
  v.AddRecord({"c"}, {3.0}, {});
  ASSERT_EQ(v.Count(), 4);
  EXPECT_STREQ(v.GetText(0, 0), "a");
  EXPECT_STREQ(v.GetText(1, 0), "b");
  EXPECT_STREQ(v.GetText(2, 0), "b2");
  EXPECT_STREQ(v.GetText(3, 0), "c");
  // Replace keeps the position even when the ordering field changes.
  std::vector<double> r{0.5};
  v.ReplaceRecord(3, nullptr, &r, nullptr);
  EXPECT_STREQ(v.GetText(3, 0), "c");
  EXPECT_EQ(v.GetReal(3, 0), 0.5);
  v.ReplaceRecord(9, nullptr, &r, nullptr);  // out of range: nothing
  EXPECT_EQ(v.Count(), 4);
}

TEST(QELvektori, ReserveKeepsRecordsCountCapacityAndInsertRule) {
  SortedVector v;
  v.Reserve(1000);
  EXPECT_EQ(v.Count(), 0);
  EXPECT_EQ(v.Capacity(), 20);  // the nominal capacity is not the reserved room
  v.AddRecord({"c"}, {3.0}, {});
  v.AddRecord({"a"}, {1.0}, {});
  // Less room than held, none at all or a negative count: the records stay as they are.
  for (int n : {1, 0, -5}) {
    v.Reserve(n);
    ASSERT_EQ(v.Count(), 2);
    EXPECT_STREQ(v.GetText(0, 0), "a");
    EXPECT_EQ(v.GetReal(1, 0), 3.0);
  }
  // Records added after a reserve still go where the rule puts them, past the room too.
  v.Reserve(3);
  for (int i = 0; i < 50; ++i) v.AddRecord({std::to_string(i)}, {2.0 + i / 100.0}, {});
  ASSERT_EQ(v.Count(), 52);
  EXPECT_STREQ(v.GetText(0, 0), "a");
  EXPECT_STREQ(v.GetText(1, 0), "0");
  EXPECT_STREQ(v.GetText(50, 0), "49");
  EXPECT_STREQ(v.GetText(51, 0), "c");
  EXPECT_EQ(v.Capacity(), 60);  // 20, then 40 at the 20th record and 60 at the 40th
}

TEST(QELvektori, RecordsWithoutTextsOrGroupsReadAsNeutral) {
  QELvektori v;
  v.SetLayout(0, 2, 3);
  const std::vector<double> reals{1.5};
  v.Reserve(10);
  v.AddRecord(nullptr, &reals, nullptr);
  ASSERT_EQ(v.Count(), 1);
  EXPECT_EQ(v.GetText(0, 0), nullptr);
  EXPECT_EQ(v.GetReal(0, 0), 1.5);
  EXPECT_EQ(v.GetReal(0, 2), 0.0);
  EXPECT_EQ(v.GetInt(0, 1), 0);
  EXPECT_EQ(v.FormatRecord(0), "0;0;1.500;0.000;0.000");
}

TEST(QELkentat, FieldsInTheRecordAndOnTheHeapBehaveAlike) {
  for (std::size_t n :
       {std::size_t(0), std::size_t(3), std::size_t(4), std::size_t(5), std::size_t(18)}) {
    QELkentat<double, 4> a;
    a.assign(n, 2.5);
    ASSERT_EQ(a.size(), n);
    EXPECT_EQ(a.empty(), n == 0);
    for (std::size_t j = 0; j < n; ++j) a[j] = static_cast<double>(j) + 0.5;
    // A copy is a value of its own.
    QELkentat<double, 4> b(a);
    ASSERT_EQ(b.size(), n);
    if (n > 0) {
      b[n - 1] = -1.0;
      EXPECT_EQ(a[n - 1], static_cast<double>(n - 1) + 0.5);
    }
    // Moved, the fields go along and the source is left empty.
    QELkentat<double, 4> c(std::move(a));
    EXPECT_EQ(a.size(), 0u);
    ASSERT_EQ(c.size(), n);
    double sum = 0.0;
    for (double v : c) sum += v;
    EXPECT_EQ(sum, static_cast<double>(n * n) / 2.0);
    // Assignments between the two storages, either way, keep the values.
    QELkentat<double, 4> d;
    d.assign(9, 7.0);
    d = c;
    ASSERT_EQ(d.size(), n);
    if (n > 0) {
      EXPECT_EQ(d[0], 0.5);
    }
    d.assign(2, 1.0);
    d = std::move(c);
    ASSERT_EQ(d.size(), n);
    if (n > 1) {
      EXPECT_EQ(d[1], 1.5);
    }
    d = d;  // itself: unchanged
    EXPECT_EQ(d.size(), n);
    // Equal when the counts and every value are: b had its last value changed.
    EXPECT_EQ(d == b, n == 0);
    QELkentat<double, 4> e(d);
    EXPECT_TRUE(e == d);
    if (n > 0) {
      e[0] = 99.0;
      EXPECT_TRUE(e != d);
    }
    e.assign(n + 1, 0.0);
    EXPECT_FALSE(e == d);
  }
}

TEST(QELvektori, ManyFieldsSurviveCopiesMovesAndInsertions) {
  // 18 integers and 7 reals, more than a record holds in itself.
  QELvektori v;
  v.SetLayout(1, 18, 7);
  for (int i = 0; i < 30; ++i) {
    std::vector<int> ints(18);
    std::vector<double> reals(7);
    for (int j = 0; j < 18; ++j) ints[static_cast<std::size_t>(j)] = 100 * i + j;
    for (int j = 0; j < 7; ++j) reals[static_cast<std::size_t>(j)] = i + j / 10.0;
    v.AddRecord({"r" + std::to_string(i)}, reals, ints);
  }
  QELvektori copy = v;
  v.SetInt(0, 17, -5);
  EXPECT_EQ(copy.GetInt(0, 17), 17);
  EXPECT_EQ(v.GetInt(0, 17), -5);
  QELvektori moved = std::move(copy);
  ASSERT_EQ(moved.Count(), 30);
  EXPECT_EQ(moved.GetInt(29, 17), 2917);
  EXPECT_DOUBLE_EQ(moved.GetReal(29, 6), 29.6);
  EXPECT_STREQ(moved.GetText(29, 0), "r29");
  EXPECT_EQ(moved.GetInt(29, 18), 0);  // out of range
  EXPECT_EQ(moved.RemoveRecord(0), 0);
  EXPECT_EQ(moved.GetInt(0, 0), 100);
}

TEST(QELvektori, FormatRecordFollowsTheLayoutAndDecimals) {
  QELvektori v = MakeTir();
  v.SetDecimals(0, 2);
  v.AddRecord({"nimi"}, {12.345}, {7});
  EXPECT_EQ(v.FormatRecord(0), "nimi;7;12.35");  // texts, integers, reals
  v.SetDecimals(0, -1);
  EXPECT_EQ(v.FormatRecord(0), "nimi;7;1.234500E+01");
  v.AddRecord(nullptr, nullptr, nullptr);
  v.SetDecimals(0, 3);
  EXPECT_EQ(v.FormatRecord(1), "?;0;0.000");
  v.SetFieldLayout({3, QEL_REAL, QEL_TEXT, QEL_INT});
  EXPECT_EQ(v.FormatRecord(0), "12.345;nimi;7");
}

TEST(QELvektori, TextWithSeparatorOrLineBreakStaysOneField) {
  QELvektori v = MakeTir();
  v.AddRecord({"a;b"}, {1.0}, {1});
  v.AddRecord({"rivi\r\ntoinen"}, {2.0}, {2});
  v.AddRecord({""}, {3.0}, {3});
  QELvektori back = MakeTir();
  for (int i = 0; i < v.Count(); ++i) ASSERT_EQ(back.ParseRecord(v.FormatRecord(i)), 1);
  ASSERT_EQ(back.Count(), 3);
  EXPECT_STREQ(back.GetText(0, 0), "a,b");
  EXPECT_EQ(back.GetInt(0, 0), 1);
  EXPECT_STREQ(back.GetText(1, 0), "rivi  toinen");
  EXPECT_EQ(back.GetReal(1, 0), 2.0);
  EXPECT_STREQ(back.GetText(2, 0), " ");
  EXPECT_EQ(back.GetInt(2, 0), 3);
}

TEST(QELvektori, ParseRecordCodes) {
  QELvektori v = MakeTir();
  EXPECT_EQ(v.ParseRecord("a;2.7;5"), 1);  // integer field is second: 2.7 -> 2
  EXPECT_EQ(v.GetInt(0, 0), 2);
  EXPECT_EQ(v.GetReal(0, 0), 5.0);
  EXPECT_EQ(v.ParseRecord("a;-0.5;1,5"), 1);
  EXPECT_EQ(v.GetInt(1, 0), -1);    // rounded toward minus infinity
  EXPECT_EQ(v.GetReal(1, 0), 1.5);  // decimal comma
  EXPECT_EQ(v.ParseRecord("a;;3"), -1);
  EXPECT_EQ(v.ParseRecord("a;1"), -1);  // too few fields
  EXPECT_EQ(v.ParseRecord("a;1;12x"), -2);
  EXPECT_EQ(v.ParseRecord("a;1;1e40"), -2);
  EXPECT_EQ(v.ParseRecord("a;3000000000;1"), -2);
  EXPECT_EQ(v.ParseRecord("a;1;2;extra;fields"), 1);
  EXPECT_EQ(v.Count(), 3);
}

TEST(QELvektori, ReadRecordFileSkipsCommentsAndStopsAtTheFirstBadLine) {
  const auto p = TempFile("records.txt");
  WriteBytes(p, "// kommentti\r\nyksi;1;1.5\r\nkaksi;2;2.5\nkolme;;3\r\nneljä;4;4\r\n");
  QELvektori v = MakeTir();
  v.AddRecord({"vanha"}, {}, {});
  EXPECT_EQ(v.ReadRecordFile(p.string(), true), -1);
  ASSERT_EQ(v.Count(), 2);
  EXPECT_STREQ(v.GetText(0, 0), "yksi");
  EXPECT_EQ(v.GetReal(1, 0), 2.5);
  EXPECT_EQ(v.FileName(), p.string());
  EXPECT_NE(v.FileDate(), "?");

  WriteBytes(p, "a;1;x\r\n");
  EXPECT_EQ(v.ReadRecordFile(p.string(), false), -2);
  EXPECT_EQ(v.Count(), 2);  // kept, not cleared

  EXPECT_EQ(v.ReadRecordFile((p.parent_path() / "ei_ole.txt").string(), true), -1);
  EXPECT_EQ(v.Count(), 0);  // cleared before the open failed
}

TEST(QELvektori, OverlongLineIsAnErrorNotTwoRecords) {
  const auto p = TempFile("long.txt");
  std::string longText(300, 'x');
  WriteBytes(p, "ok;1;1\r\n" + longText + ";2;2\r\nafter;3;3\r\n");
  QELvektori v = MakeTir();
  EXPECT_EQ(v.ReadRecordFile(p.string(), true), -3);
  ASSERT_EQ(v.Count(), 1);
  EXPECT_STREQ(v.GetText(0, 0), "ok");
  // 255 characters exactly still read, counted in characters, not bytes.
  std::string edge;
  for (int i = 0; i < 125; ++i) edge += "ä";  // 250 characters, 250 bytes in Windows-1252
  WriteBytes(p, qv::Utf8ToCp1252(edge) + ";1;1\r\n");
  EXPECT_EQ(v.ReadRecordFile(p.string(), true), 0);
  EXPECT_EQ(v.TextOr(0, 0), edge);
}

TEST(QELvektori, ReadStopsAfterAThousandLines) {
  const auto p = TempFile("many.txt");
  std::string bytes;
  for (int i = 0; i < 1200; ++i) bytes += "r;" + std::to_string(i) + ";0\r\n";
  WriteBytes(p, bytes);
  QELvektori v = MakeTir();
  EXPECT_EQ(v.ReadRecordFile(p.string(), true), 0);
  EXPECT_EQ(v.Count(), 1000);
}

TEST(QELvektori, WriteThenReadGivesTheSameRecordsInWindows1252) {
  const auto p = TempFile("roundtrip.txt");
  QELvektori v = MakeTir();
  v.AddRecord({"Kuormitus Ä"}, {1.25}, {-3});
  v.AddRecord({"lumi;kuorma"}, {-0.001}, {6111000});
  ASSERT_EQ(v.WriteRecordFile(p.string()), 0);
  const std::string bytes = ReadBytes(p);
  EXPECT_NE(bytes.find("Kuormitus \xC4;-3;1.250\r\n"), std::string::npos);
  QELvektori back = MakeTir();
  ASSERT_EQ(back.ReadRecordFile(p.string(), true), 0);
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back.TextOr(0, 0), "Kuormitus Ä");
  EXPECT_EQ(back.GetInt(0, 0), -3);
  EXPECT_EQ(back.GetReal(0, 0), 1.25);
  EXPECT_EQ(back.TextOr(1, 0), "lumi,kuorma");
  EXPECT_EQ(back.GetInt(1, 0), 6111000);
  EXPECT_EQ(back.GetReal(1, 0), -0.001);
  EXPECT_EQ(v.WriteRecordFile((p.parent_path() / "no_such_dir" / "x.txt").string()), -1);
}

TEST(QELlukuvektori, AscendingSetRefusesExactDuplicates) {
  QELlukuvektori v(20, 20, 1);
  EXPECT_EQ(v.Add(5.0), 0);
  EXPECT_EQ(v.Add(5.0), -1);
  EXPECT_EQ(v.Add(1.0), 0);
  EXPECT_EQ(v.Add(7.0), 2);
  EXPECT_EQ(v.Add(5.0000001), 2);
  ASSERT_EQ(v.Count(), 4);
  EXPECT_EQ(v[0], 1.0);
  EXPECT_EQ(v[3], 7.0);
}

TEST(QELlukuvektori, DescendingAndAppendModes) {
  QELlukuvektori d(20, 20, 2);
  d.Add(1.0);
  d.Add(3.0);
  d.Add(2.0);
  EXPECT_EQ(d.Values(), (std::vector<double>{3.0, 2.0, 1.0}));
  EXPECT_EQ(d.Add(2.0), -1);
  QELlukuvektori a(20, 20, 0);
  a.Add(2.0);
  a.Add(1.0);
  a.Add(2.0);
  EXPECT_EQ(a.Values(), (std::vector<double>{2.0, 1.0, 2.0}));
  for (int i = 0; i < 17; ++i) a.Add(i);
  EXPECT_EQ(a.Capacity(), 40);
}

}  // namespace
