// Validation of the read frame model: messages, their sections and the result code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analysis/fem/FEM_kaikki.h"

namespace {

using Lines = std::vector<std::string>;

std::string H(int n) { return "[ ==== " + std::to_string(n) + " ==== ]"; }

// A valid model, one part per member so that a test can swap one section.
struct Model {
  Lines nodes{"1;0;0;0", "2;3000;0;0", "3;6000;0;0"};
  Lines bars{"1;1;2;1;1;6111111;6111111;0;0;0", "2;2;3;1;1;6111111;6111111;0;0;0"};
  Lines supports{"1;1;6111000", "2;3;6011000"};
  Lines loads{"1;1;1;1;2;2;-1000.0;0;0;0", "2;1;2;2;1;-2;-1.5;0;0;-1"};
  Lines materials{"1;1;10000;1;1;1;1;1;1;1;1;1"};
  Lines profiles{"2;1;1000000;1.0;1.0;4000;0;0;0;0;0;0"};
  Lines couplings{};

  Lines Text() const {
    Lines t;
    auto add = [&t](int n, const Lines& part) {
      t.push_back(H(n));
      t.insert(t.end(), part.begin(), part.end());
    };
    add(101, nodes);
    add(201, bars);
    add(301, supports);
    add(401, loads);
    add(501, materials);
    add(601, profiles);
    add(701, couplings);
    t.push_back(H(999));
    return t;
  }
};

struct Outcome {
  int code;
  Lines messages;
};

Outcome Check(const Model& m) {
  FEM_kaikki fem;
  fem.Read(m.Text(), 1);
  const int code = fem.Validate();
  return {code, fem.Messages().Lines()};
}

TEST(FemValidation, ValidModelGivesZeroAndNoMessages) {
  Model m;
  m.couplings = {"1;3;2;6111110"};
  const Outcome o = Check(m);
  EXPECT_EQ(o.code, 0);
  EXPECT_TRUE(o.messages.empty());
}

TEST(FemValidation, EmptyTextListsEveryMissingPartInOrder) {
  FEM_kaikki fem;
  fem.Read({H(999)}, 1);
  EXPECT_EQ(fem.Validate(), -601);
  const Lines expected{
      H(100), "Solmuja liian vähän (< 2)",      H(200), "Sauvoja liian vähän (<1)",
      H(300), "Tuentoja liian vähän",           H(400), "Kuormia liian vähän (<1)",
      H(500), "Materiaaleja ei ole määritelty", H(600), "Sauvojen profiileja ei ole määritelty"};
  EXPECT_EQ(fem.Messages().Lines(), expected);
  EXPECT_EQ(fem.Messages().LineCount(300), 1);
}

TEST(FemValidation, NodeChecks) {
  Model m;
  m.nodes.push_back("2;3000;0;0");  // check 1: once per pair direction
  Outcome o = Check(m);
  EXPECT_EQ(o.code, -101);
  EXPECT_EQ(o.messages,
            (Lines{H(100), "Päällekkäisiä solmunumeroita", "Päällekkäisiä solmunumeroita"}));

  m.nodes.push_back("2;3000;0;0");  // three equal numbers: six ordered pairs
  o = Check(m);
  EXPECT_EQ(o.messages.size(), 7u);

  Model one;  // check 2, and its consequences for the bars and loads
  one.nodes = {"1;0;0;0"};
  one.bars = {"1;1;1;1;1;6111111;6111111;0;0;0"};
  one.supports = {"1;1;6111111"};
  one.loads = {"1;1;1;1;1;2;-1;0;0;0"};
  o = Check(one);
  EXPECT_EQ(o.code, -206);
  EXPECT_EQ(o.messages, (Lines{H(100), "Solmuja liian vähän (< 2)", H(200), "Sauvan pituus = 0"}));
}

TEST(FemValidation, BarChecksInOrderBarByBar) {
  struct Case {
    std::string bar;
    Lines messages;
    int code;
  };
  const std::vector<Case> cases{
      {"2;9;3;1;1;6111111;6111111;0;0;0", {"Sauvan alkusolmun numero virheellinen"}, -202},
      {"2;2;9;1;1;6111111;6111111;0;0;0", {"Sauvan loppusolmun numero virheellinen"}, -202},
      {"2;2;3;2;1;6111111;6111111;0;0;0", {"Sauvan materiaalin numero virheellinen"}, -203},
      {"2;2;3;1;2;6111111;6111111;0;0;0", {"Sauvan profiilin numero virheellinen"}, -204},
      {"2;2;3;1;1;6111112;6111111;0;0;0", {"Sauvan vapautusmerkintä virheellinen"}, -205},
      {"2;2;3;1;1;6111111;5999999;0;0;0", {"Sauvan vapautusmerkintä virheellinen"}, -205},
      {"2;2;3;1;1;6000000;6111111;0;0;0", {}, 0},
      {"2;2;2;1;1;6111111;6111111;0;0;0", {"Sauvan pituus = 0"}, -206},
      // Every failing check of one bar, in the order of the checks; the code is the last.
      {"2;9;2;7;1;-6111111;0;0;0;0",
       {"Sauvan alkusolmun numero virheellinen", "Sauvan materiaalin numero virheellinen",
        "Sauvan vapautusmerkintä virheellinen", "Sauvan vapautusmerkintä virheellinen"},
       -205},
      {"2;2;9;1;5;6111111;6111111;0;0;0",
       {"Sauvan loppusolmun numero virheellinen", "Sauvan profiilin numero virheellinen"},
       -204},
  };
  for (const Case& c : cases) {
    Model m;
    m.bars[1] = c.bar;
    const Outcome o = Check(m);
    Lines expected;
    if (!c.messages.empty()) {
      expected.push_back(H(200));
      expected.insert(expected.end(), c.messages.begin(), c.messages.end());
    }
    EXPECT_EQ(o.messages, expected) << c.bar;
    EXPECT_EQ(o.code, c.code) << c.bar;
  }
}

TEST(FemValidation, DuplicateBarsAndBarsBetweenCoincidentNodes) {
  Model m;
  m.bars.push_back("2;1;3;1;1;6111111;6111111;0;0;0");
  Outcome o = Check(m);
  EXPECT_EQ(o.code, -201);
  EXPECT_EQ(o.messages,
            (Lines{H(200), "Päällekkäisiä sauvanumeroita", "Päällekkäisiä sauvanumeroita"}));

  // Messages of the first duplicate come before the checks of the second bar.
  m = Model();
  m.nodes.push_back("4;0;0;0");
  m.bars.push_back("2;1;4;1;1;6111111;6111111;0;0;0");
  o = Check(m);
  EXPECT_EQ(o.code, -206);
  EXPECT_EQ(o.messages, (Lines{H(200), "Päällekkäisiä sauvanumeroita",
                               "Päällekkäisiä sauvanumeroita", "Sauvan pituus = 0"}));

  m = Model();
  m.bars = {};
  m.loads = {"1;1;1;1;2;2;-1000.0;0;0;0"};
  o = Check(m);
  EXPECT_EQ(o.code, -207);
  EXPECT_EQ(o.messages, (Lines{H(200), "Sauvoja liian vähän (<1)"}));
}

TEST(FemValidation, SupportChecks) {
  Model m;
  // Two supports on one node are allowed (the solver uses the first one's code).
  m.supports = {"1;1;6111000", "2;3;6011000", "3;1;6111111"};
  EXPECT_EQ(Check(m).code, 0);

  m.supports = {"1;1;6111000", "1;3;6011000"};
  Outcome o = Check(m);
  EXPECT_EQ(o.code, -301);
  EXPECT_EQ(o.messages,
            (Lines{H(300), "Päällekkäisiä tukinumeroita", "Päällekkäisiä tukinumeroita"}));

  m.supports = {"1;4;6111000", "2;3;6111112"};
  o = Check(m);
  EXPECT_EQ(o.code, -305);
  EXPECT_EQ(o.messages,
            (Lines{H(300), "Tuen solmunumero virheellinen", "Tuen tuentamerkintä virheellinen"}));

  // Inside the range a flag digit 2 passes (and counts as free in the solver).
  m.supports = {"1;1;6102000", "2;3;6000000", "3;2;6021000"};
  EXPECT_EQ(Check(m).code, 0);

  m.supports = {};
  o = Check(m);
  EXPECT_EQ(o.code, -306);
  EXPECT_EQ(o.messages, (Lines{H(300), "Tuentoja liian vähän"}));
}

TEST(FemValidation, LoadChecks) {
  struct Case {
    std::string load;
    Lines messages;
    int code;
  };
  const std::string kind = "Tuntematon kuormalaji (ei solmu/elementtikuorma)";
  const std::string type = "Tuntematon kuormatyyppi (ei piste,viiva tai trapetsi)";
  const std::string node = "Kuorman solmunumero väärin";
  const std::string bar = "Kuorman elementtinumero väärin";
  const std::string nodeDir = "Solmukuorman suunta väärin (oltava 1-6)";
  const std::string barDir = "Elementtikuorman suunta väärin (oltava (+-)1-6)";
  const std::vector<Case> cases{
      {"3;1;3;1;2;2;1;0;0;0", {kind}, -401},
      {"3;1;0;1;2;2;1;0;0;0", {kind}, -401},
      {"3;1;1;4;2;2;1;0;0;0", {type}, -402},
      {"3;1;2;0;1;2;1;0;0;0", {type}, -402},
      {"3;1;1;1;9;2;1;0;0;0", {node}, -403},
      {"3;1;2;1;9;2;1;0;0;0", {bar}, -404},  // a load on a bar that does not exist
      {"3;1;1;1;2;-6;1;0;0;0", {nodeDir}, -405},
      {"3;1;1;1;2;0;1;0;0;0", {nodeDir}, -405},
      {"3;1;1;1;2;7;1;0;0;0", {nodeDir}, -405},
      {"3;1;2;1;1;-6;1;0;0;0", {}, 0},
      {"3;1;2;3;1;6;1;2;0;-1", {}, 0},
      {"3;1;2;1;1;0;1;0;0;0", {barDir}, -406},
      {"3;1;2;1;1;-7;1;0;0;0", {barDir}, -406},
      {"3;1;2;1;1;2140000000;1;0;0;0", {barDir}, -406},
      {"3;1;2;1;1;-2140000000;1;0;0;0", {barDir}, -406},
      // A node load may name a node that has the number of a bar and vice versa.
      {"3;1;1;1;3;2;1;0;0;0", {}, 0},
      {"3;1;2;1;3;2;1;0;0;0", {bar}, -404},
      // One load failing several checks, in the order of the checks.
      {"3;1;1;5;9;0;1;0;0;0", {type, node, nodeDir}, -405},
      {"3;1;2;1;9;9;1;0;0;0", {bar, barDir}, -406},
      {"3;1;5;1;9;9;1;0;0;0", {kind}, -401},
  };
  for (const Case& c : cases) {
    Model m;
    m.loads.push_back(c.load);
    const Outcome o = Check(m);
    Lines expected;
    if (!c.messages.empty()) {
      expected.push_back(H(400));
      expected.insert(expected.end(), c.messages.begin(), c.messages.end());
    }
    EXPECT_EQ(o.messages, expected) << c.load;
    EXPECT_EQ(o.code, c.code) << c.load;
  }

  Model none;
  none.loads = {};
  const Outcome o = Check(none);
  EXPECT_EQ(o.code, -407);
  EXPECT_EQ(o.messages, (Lines{H(400), "Kuormia liian vähän (<1)"}));
}

TEST(FemValidation, MaterialAndProfileChecks) {
  Model m;
  m.materials = {};
  Outcome o = Check(m);
  EXPECT_EQ(o.code, -501);
  EXPECT_EQ(o.messages, (Lines{H(200), "Sauvan materiaalin numero virheellinen",
                               "Sauvan materiaalin numero virheellinen", H(500),
                               "Materiaaleja ei ole määritelty"}));

  m = Model();
  m.profiles = {};
  o = Check(m);
  EXPECT_EQ(o.code, -601);
  EXPECT_EQ(o.messages, (Lines{H(200), "Sauvan profiilin numero virheellinen",
                               "Sauvan profiilin numero virheellinen", H(600),
                               "Sauvojen profiileja ei ole määritelty"}));

  // The type in the line decides: a profile written under 501 serves the bars.
  m = Model();
  m.materials.push_back("2;1;1;1;1;1;0;0;0;0;0;0");
  m.profiles = {};
  EXPECT_EQ(Check(m).code, 0);
}

TEST(FemValidation, CouplingChecks) {
  Model m;
  m.couplings = {"1;9;2;6111110", "2;3;8;6111110", "3;3;2;6111112", "4;9;8;5000000"};
  const Outcome o = Check(m);
  const std::string node = "Kytkennän solmunumero väärin";
  const std::string code = "Kytkennän tuentamerkinta virheellinen";
  EXPECT_EQ(o.messages, (Lines{H(700), node, node, code, node, node, code}));
  EXPECT_EQ(o.code, -702);

  m.couplings = {"1;9;2;6111110"};
  EXPECT_EQ(Check(m).code, -701);
}

TEST(FemValidation, ResultIsTheLastFailingCheckAndMessagesAreRenewed) {
  Model m;
  m.nodes.push_back("1;0;0;0");
  m.couplings = {"1;3;2;7000000"};
  FEM_kaikki fem;
  fem.Read(m.Text(), 1);
  EXPECT_EQ(fem.Validate(), -702);
  EXPECT_EQ(fem.Messages().LineCount(100), 2);
  EXPECT_EQ(fem.Messages().LineCount(700), 1);
  EXPECT_EQ(fem.Validate(), -702);
  EXPECT_EQ(fem.Messages().Lines().size(), 5u);  // cleared first, not doubled

  fem.Read(Model().Text(), 1);
  EXPECT_TRUE(fem.Messages().Lines().empty());
  EXPECT_EQ(fem.Validate(), 0);
}

TEST(FemValidation, ReservedAndLimitNumbers) {
  Model m;
  m.nodes = {"999999;0;0;0", "1000000;3000;0;0", "1000001;6000;0;0"};
  m.bars = {"1;999999;1000000;1;1;6111111;6111111;0;0;0",
            "2;1000000;1000001;1;1;6111111;6111111;0;0;0"};
  m.supports = {"1;999999;6111000", "2;1000000;6011000"};
  m.loads = {"1;1;1;1;1000000;2;-1000.0;0;0;0"};
  const Outcome o = Check(m);
  // The node numbered in the generated range was refused while reading.
  EXPECT_EQ(o.messages, (Lines{H(200), "Sauvan loppusolmun numero virheellinen"}));
  EXPECT_EQ(o.code, -202);

  // Coordinates at the real limits still give a length; equal huge ones do not.
  Model big;
  big.nodes = {"1;-1e36;-1e36;-1e36", "2;1e36;1e36;1e36", "3;1e36;1e36;1e36", "1000000;0;0;1e-300"};
  big.bars = {"1;1;2;1;1;6111111;6111111;0;0;0", "2;2;3;1;1;6111111;6111111;0;0;0",
              "2140000000;1000000;1;1;1;6111111;6111111;0;0;0"};
  big.supports = {"2140000000;1;6111111"};
  big.loads = {"2140000000;2140000000;1;1;1000000;2;1e36;0;0;0",
               "-2140000000;-2140000000;2;1;2140000000;-2;-1e36;0;0;0"};
  const Outcome b = Check(big);
  EXPECT_EQ(b.messages, (Lines{H(200), "Sauvan pituus = 0"}));
  EXPECT_EQ(b.code, -206);

  Model tiny;
  tiny.nodes = {"1;0;0;0", "2;0;1e-300;0", "3;0;2e-300;0"};
  EXPECT_EQ(Check(tiny).code, 0);
}

TEST(FemValidation, RepeatedNumbersDoNotFloodTheMessageList) {
  Model m;
  for (int k = 0; k < 3000; ++k) m.nodes.push_back("2;3000;0;0");
  const Outcome o = Check(m);
  EXPECT_EQ(o.code, -101);
  // 3001 records numbered 2 would make 3001 * 3000 messages; the section stops at the limit.
  ASSERT_EQ(o.messages.size(), static_cast<std::size_t>(FEM_kaikki::kMaxMessages) + 2);
  EXPECT_EQ(o.messages.front(), H(100));
  EXPECT_EQ(o.messages[1], "Päällekkäisiä solmunumeroita");
  EXPECT_EQ(o.messages.back(), "Liikaa ilmoituksia, loput jätetty pois");

  // Later sections still get their messages.
  m.supports = {};
  const Outcome later = Check(m);
  EXPECT_EQ(later.code, -306);
  EXPECT_EQ(later.messages.back(), "Tuentoja liian vähän");
}

}  // namespace
