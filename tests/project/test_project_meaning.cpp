// A project that reads well but does not hold together is refused with the section and line of what
// does not belong.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/TextCodec.h"
#include "project/ProjektiTiedosto.h"
#include "project/QELVUX_data.h"

namespace {

const std::string kData = QELVUX_SOURCE_DATA_DIR;

// The lines of the purlin example: 10 200 mm, supports at 0, 4500 and 9000, six load cases,
// KY1 (stresses) and KY2 (deflections), three surface loads.
std::vector<std::string> Purlin() {
  std::vector<std::string> lines;
  EXPECT_TRUE(qv::ReadTextFileLines(kData + "/../examples/jatkuva_orsi.vux", lines));
  return lines;
}

// Replaces the line-th content line of a section (line 0: appends a line to it).
std::vector<std::string> WithLine(int section, int line, const std::string& text) {
  std::vector<std::string> lines = Purlin();
  const std::string head = "[ ==== " + std::to_string(section) + " ==== ]";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != head) continue;
    if (line == 0) {
      std::size_t end = i + 1;
      while (end < lines.size() && lines[end].rfind("[ ==== ", 0) != 0) ++end;
      lines.insert(lines.begin() + static_cast<long>(end), text);
    } else {
      lines[i + static_cast<std::size_t>(line)] = text;
    }
    return lines;
  }
  ADD_FAILURE() << "no section " << section;
  return lines;
}

TEST(ProjectMeaning, WhatDoesNotBelongIsRefusedWithItsSectionAndLine) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    int code;
    const char* message;  // the start of the message
  };
  const Case cases[] = {
      {"load case 9", WithLine(501, 2, "Lumi;9;3;2;2;-0.00160;-0.00160;0.000;10200.000"), -501,
       "501, rivi 2: kuormitustapausta KT10 ei ole"},
      {"load case -1", WithLine(501, 1, "G;-1;3;2;1;-0.00030;-0.00030;0.000;10200.000"), -501,
       "501, rivi 1: kuormitustapausta KT0 ei ole"},
      {"load case 100000", WithLine(501, 3, "L;100000;3;2;2;-0.0004;-0.0004;0.000;10200.000"), -501,
       "501, rivi 3: kuormitustapausta KT100001 ei ole"},
      {"load kind 7", WithLine(501, 1, "G;0;7;2;1;-0.00030;-0.00030;0.000;10200.000"), -501,
       "501, rivi 1: tuntematon kuorman laji 7"},
      {"direction 9", WithLine(501, 1, "G;0;3;9;1;-0.00030;-0.00030;0.000;10200.000"), -501,
       "501, rivi 1: tuntematon kuorman suunta 9"},
      {"point load beyond the end", WithLine(501, 0, "P;3;1;2;1;-5000;0;10300.000;0"), -501,
       "501, rivi 4: kuorman paikka x = 10300.000 mm ei ole sauvalla"},
      {"point load before the start", WithLine(501, 0, "P;3;1;2;1;-5000;0;-10.000;0"), -501,
       "501, rivi 4: kuorman paikka x = -10.000 mm ei ole sauvalla"},
      {"line load beyond the end", WithLine(501, 1, "G;0;3;2;1;-0.0003;-0.0003;0.000;12000.000"),
       -501, "501, rivi 1: kuorman paikka x = 12000.000 mm ei ole sauvalla"},
      {"a load the analysis cannot carry", WithLine(501, 0, "P;3;1;2;1;-1e35;0;100.000;0"), -501,
       "501, rivi 4: kuorman arvo -1e+35 ei ole välillä ±1e12"},
      {"support beyond the end", WithLine(211, 3, "C;1;6011000;10500.000"), -211,
       "211, rivi 3: tuki ei ole sauvalla: x = 10500.000 mm"},
      {"hinge before the start", WithLine(211, 0, "N;2;6111110;-1.000"), -211,
       "211, rivi 4: nivel ei ole sauvalla: x = -1.000 mm"},
      {"combination row of a missing case", WithLine(401, 3, "KY1;0;0;6;1.500"), -401,
       "401, rivi 3: kuormitustapausta KT7 ei ole"},
      {"combination without its header", WithLine(401, 1, "KY1;0;0;1;1.000"), -401,
       "401, rivi 1: kuormitusyhdistelmältä KY1 puuttuu otsikkorivi"},
      {"a gap before the last combination", WithLine(401, 0, "KY4;3;1;0;0.000"), -401,
       "401, rivi 14: kuormitusyhdistelmä KY3 puuttuu"},
      {"unknown design kind", WithLine(401, 1, "KY1;0;5;0;0.000"), -401,
       "401, rivi 1: tuntematon mitoitustapa 5"},
  };
  for (const Case& c : cases) {
    QELVUX_data p(kData + "/qelvux");
    std::string message;
    EXPECT_EQ(c.code, qv::LoadProjectLines(p, c.lines, &message)) << c.what << ": " << message;
    EXPECT_EQ(0u, message.rfind(c.message, 0)) << c.what << ": " << message;
  }
  // The example itself holds together.
  QELVUX_data p(kData + "/qelvux");
  std::string message;
  EXPECT_EQ(0, qv::LoadProjectLines(p, Purlin(), &message)) << message;
}

}  // namespace
