// Tests of the member, support and hinge dialog: what it shows, the position rules, and storing
// with its questions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pagelogic/RakenneDialogi.h"
#include "project/QELVUX_data.h"

namespace {

using RV = RakenneVektori;
using qv::RakenneDialogInput;
using qv::RakenneField;
using qv::RakenneQuestion;
using qv::RakenneStoreStatus;

class RakenneDialogiTest : public ::testing::Test {
 protected:
  // No data files: the project runs on its built-in defaults and the reset member.
  RakenneDialogiTest() : p("/nonexistent-qelvux-folder/qelvux") {}

  RV& m() { return p.Member; }

  // The inputs as opened, with the position typed over.
  RakenneDialogInput PointInput(int mode, int index, const std::string& x, int type = 0) {
    RakenneDialogInput in = qv::InputFromView(qv::OpenRakenneDialog(p, mode, index));
    in.position = x;
    in.supportType = type;
    return in;
  }
  qv::RakenneValidation Check(int mode, int index, const std::string& x, int type = 0) {
    return qv::ValidateRakenne(p, qv::NormaliseRakenneState(p, mode, index),
                               PointInput(mode, index, x, type));
  }
  RakenneDialogInput MemberInput(const std::string& length) {
    RakenneDialogInput in = qv::InputFromView(qv::OpenRakenneDialog(p, 1, -1));
    in.length = length;
    return in;
  }
  // Stores a member input answering every question with the given answers.
  qv::RakenneStoreResult StoreMember(const RakenneDialogInput& in, int move, int lengthen,
                                     std::vector<RakenneQuestion>* asked = nullptr) {
    qv::RakenneAnswers a;
    const qv::RakenneDialogState s = qv::NormaliseRakenneState(p, 1, -1);
    for (int round = 0; round < 3; ++round) {
      const qv::RakenneStoreResult r = qv::StoreRakenne(p, s, in, a);
      if (r.status != RakenneStoreStatus::kAsk) return r;
      EXPECT_EQ(r.questionCaption, "HUOMIO");
      if (asked) asked->push_back(r.question);
      if (r.question == RakenneQuestion::kMoveEndSupport)
        a.moveEndSupport = move;
      else
        a.lengthenLoads = lengthen;
    }
    ADD_FAILURE() << "questions did not end";
    return qv::RakenneStoreResult{};
  }
  std::vector<double> SupportXs() {
    std::vector<double> xs;
    for (int i = 0; i < m().Count(); ++i)
      if (m().Kind(i) == RV::kSupport) xs.push_back(m().X(i));
    return xs;
  }

  QELVUX_data p;
};

TEST_F(RakenneDialogiTest, MemberModeShowsTheMember) {
  m().RidgeX = 2500.0;
  qv::RakenneDialogView v = qv::OpenRakenneDialog(p, 0, 7);
  EXPECT_EQ(v.state.mode, 1);
  EXPECT_EQ(v.state.pointIndex, -1);
  EXPECT_EQ(v.caption, "Palkin/pilarin tietojen muuttaminen");
  EXPECT_EQ(v.tabCaption, "Palkki / pilari");
  EXPECT_EQ(v.helpContext, 321);
  EXPECT_EQ(qv::RakenneImageName(v.image), "Rakenneohje0");
  EXPECT_EQ(v.name, "Palkki");
  EXPECT_EQ(v.length, "6000.00");
  EXPECT_EQ(v.angle, "0.00");
  EXPECT_FALSE(v.ridgeCheckBoxVisible);
  EXPECT_TRUE(v.ridgeChecked);
  EXPECT_TRUE(v.ridgeVisible);
  EXPECT_EQ(v.ridge, "2500.00");
  EXPECT_TRUE(v.loadWidthVisible);
  EXPECT_EQ(v.loadWidth, "1000.00");
  ASSERT_EQ(v.lengthItems.size(), 20u);
  EXPECT_EQ(v.lengthItems.front(), "500");
  EXPECT_EQ(v.lengthItems.back(), "10000");
  ASSERT_EQ(v.angleItems.size(), 19u);
  EXPECT_EQ(v.angleItems[1], "5");
  EXPECT_EQ(v.angleItems.back(), "90");
  ASSERT_EQ(v.loadWidthItems.size(), 12u);
  EXPECT_EQ(v.loadWidthItems.front(), "100");
  EXPECT_EQ(v.loadWidthItems.back(), "1200");

  m().RidgeX = -1.0;
  m().LoadWidth = 0.0;
  v = qv::OpenRakenneDialog(p, 1, -1);
  EXPECT_FALSE(v.ridgeChecked);
  EXPECT_FALSE(v.ridgeVisible);
  EXPECT_FALSE(v.loadWidthVisible);
}

TEST_F(RakenneDialogiTest, SupportAndHingeModes) {
  m().AddPoint("Keski", RV::kSupport, RV::kSlidingY, 2999.96);
  m().AddPoint("N", RV::kHinge, RV::kHingeZ, 1234.56);
  qv::RakenneDialogView v = qv::OpenRakenneDialog(p, 2, -1);
  EXPECT_EQ(v.caption, "Uuden tuen määrittely");
  EXPECT_EQ(v.tabCaption, "Tuki");
  EXPECT_EQ(v.helpContext, 322);
  EXPECT_EQ(v.name, " ");
  EXPECT_EQ(v.supportType, 0);
  EXPECT_EQ(v.image, 1);
  EXPECT_EQ(v.supportTypeItems,
            (std::vector<std::string>{"Niveltuki (X,Y,Z)", "Liukutuki X (Y,Z)", "Liukutuki Y (X,Z)",
                                      "Jäykkä tuki (X,Y,Z,RX,RY,RZ)"}));
  ASSERT_EQ(v.positionItems.size(), 21u);
  EXPECT_EQ(v.positionItems[1], "300");
  EXPECT_EQ(v.positionItems[20], "6000");

  v = qv::OpenRakenneDialog(p, 2, 1);
  EXPECT_EQ(v.caption, "Olemassaolevan tuen muuttaminen");
  EXPECT_EQ(v.name, "Keski");
  EXPECT_EQ(v.supportType, 2);
  EXPECT_EQ(v.image, 3);
  EXPECT_EQ(v.position, "3000.0");
  EXPECT_EQ(qv::RakenneImage(2, 3), 4);

  v = qv::OpenRakenneDialog(p, 3, 3);
  EXPECT_EQ(v.caption, "Olemassaolevan nivelen muuttaminen");
  EXPECT_EQ(v.tabCaption, "Nivel (Z-akselin ympäri)");
  EXPECT_EQ(v.helpContext, 323);
  EXPECT_EQ(v.image, 5);
  EXPECT_EQ(v.name, "N");
  EXPECT_EQ(v.position, "1234.6");
  // A support index in hinge mode is no hinge: a new hinge.
  v = qv::OpenRakenneDialog(p, 3, 1);
  EXPECT_EQ(v.caption, "Uuden nivelen määrittely");
  EXPECT_EQ(v.state.pointIndex, -1);
}

TEST_F(RakenneDialogiTest, SupportPositionProposals) {
  // 0 and L are taken on the reset member.
  EXPECT_EQ(qv::OpenRakenneDialog(p, 2, -1).position, "3000.0");
  m().AddPoint(" ", RV::kSupport, RV::kPinned, 3008.0);
  EXPECT_DOUBLE_EQ(qv::ProposeSupportPosition(p), 1500.0);
  m().AddPoint(" ", RV::kSupport, RV::kPinned, 1500.0);
  EXPECT_DOUBLE_EQ(qv::ProposeSupportPosition(p), 4500.0);
  m().AddPoint(" ", RV::kSupport, RV::kPinned, 4500.0);
  EXPECT_DOUBLE_EQ(qv::ProposeSupportPosition(p), 4500.0);  // the last proposal stays
  m().ClearRecords();
  m().AddPoint(" ", RV::kSupport, RV::kPinned, 9.0);
  EXPECT_DOUBLE_EQ(qv::ProposeSupportPosition(p), 6000.0);
  m().ClearRecords();
  m().AddPoint(" ", RV::kSupport, RV::kPinned, 6000.0);
  m().AddPoint(" ", RV::kHinge, RV::kHingeZ, 0.0);  // hinges do not occupy support places
  EXPECT_DOUBLE_EQ(qv::ProposeSupportPosition(p), 0.0);
}

TEST_F(RakenneDialogiTest, HingePositionProposals) {
  EXPECT_EQ(qv::OpenRakenneDialog(p, 3, -1).position, "3000.0");
  m().AddPoint(" ", RV::kHinge, RV::kHingeZ, 2990.0);
  EXPECT_DOUBLE_EQ(qv::ProposeHingePosition(p), 1500.0);
  m().AddPoint(" ", RV::kHinge, RV::kHingeZ, 1500.0);
  EXPECT_DOUBLE_EQ(qv::ProposeHingePosition(p), 4500.0);
}

TEST_F(RakenneDialogiTest, MemberNumbersAreChecked) {
  const qv::RakenneDialogState s = qv::NormaliseRakenneState(p, 1, -1);
  RakenneDialogInput in = MemberInput("50");
  qv::RakenneValidation r = qv::ValidateRakenne(p, s, in);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Pituus L [mm]: anna luku väliltä 100 … 100000");
  EXPECT_EQ(r.caption, "VIRHE");
  EXPECT_EQ(r.field, RakenneField::kLength);
  in.length = "100";
  EXPECT_TRUE(qv::ValidateRakenne(p, s, in).ok);
  in.length = "100000,5";
  EXPECT_FALSE(qv::ValidateRakenne(p, s, in).ok);
  in.length = "6000 mm";
  EXPECT_EQ(qv::ValidateRakenne(p, s, in).field, RakenneField::kLength);
  in.length = "4500,5";
  in.angle = "90.5";
  r = qv::ValidateRakenne(p, s, in);
  EXPECT_EQ(r.message, "Suuntakulma alfa [aste]: anna luku väliltä 0 … 90");
  in.angle = "90";
  in.ridgeChecked = true;
  in.ridge = "4600";
  r = qv::ValidateRakenne(p, s, in);
  EXPECT_EQ(r.message, "Harja/pulpettipalkin harjan paikka x [mm]: anna luku väliltä 0 … 4500.5");
  EXPECT_EQ(r.field, RakenneField::kRidge);
  in.ridge = "4500.5";
  EXPECT_TRUE(qv::ValidateRakenne(p, s, in).ok);
  in.loadWidth = "9.9";
  r = qv::ValidateRakenne(p, s, in);
  EXPECT_EQ(r.message, "Pintakuormien kerääntymisleveys [mm]: anna luku väliltä 10 … 10000");
  EXPECT_EQ(r.field, RakenneField::kLoadWidth);
  // The first failure is the one shown.
  in.length = "";
  EXPECT_EQ(qv::ValidateRakenne(p, s, in).field, RakenneField::kLength);
}

TEST_F(RakenneDialogiTest, SupportsKeepTenMillimetresApart) {
  m().AddPoint(" ", RV::kSupport, RV::kPinned, 3000.0);  // index 1
  qv::RakenneValidation r = Check(2, -1, "3005");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, "Kohdassa on jo tuki !");
  EXPECT_EQ(r.caption, "VIRHE");
  EXPECT_EQ(Check(2, -1, "2990").message, "Kohdassa on jo tuki !");  // 10 mm is too near
  EXPECT_TRUE(Check(2, -1, "3011").ok);
  EXPECT_TRUE(Check(2, -1, "2989,9").ok);
  // The support being changed does not count.
  EXPECT_TRUE(Check(2, 1, "3005").ok);
  EXPECT_EQ(Check(2, 1, "5995").message, "Kohdassa on jo tuki !");
  r = Check(2, -1, "6000.1");
  EXPECT_EQ(r.message, "Tuen paikka x1 [mm]: anna luku väliltä 0 … 6000");
  EXPECT_EQ(r.field, RakenneField::kPosition);
  EXPECT_EQ(Check(2, -1, "-1").message, "Tuen paikka x1 [mm]: anna luku väliltä 0 … 6000");
}

TEST_F(RakenneDialogiTest, SupportAndHingeShareAPlaceOrStandApart) {
  m().AddPoint(" ", RV::kHinge, RV::kHingeZ, 2000.0);
  EXPECT_EQ(Check(2, -1, "1995").message, "Tuki liian lähellä niveltä!");
  EXPECT_TRUE(Check(2, -1, "2000").ok);
  EXPECT_TRUE(Check(2, -1, "1989").ok);
  m().AddPoint(" ", RV::kSupport, RV::kPinned, 3000.0);
  qv::RakenneValidation r = Check(3, -1, "2995");
  EXPECT_EQ(r.message, "Nivel liian lähellä tukea!");
  EXPECT_EQ(r.caption, "VIRHE");
  EXPECT_TRUE(Check(3, -1, "3000").ok);
  EXPECT_EQ(Check(3, -1, "2005").message, "Kohdassa on jo nivel !");
  EXPECT_TRUE(Check(3, 3, "2005").ok);  // the hinge itself moved by 5 mm
  EXPECT_EQ(Check(3, -1, "6001").message, "Nivelen paikka x1 [mm]: anna luku väliltä 0 … 6000");
}

TEST_F(RakenneDialogiTest, FixedSupportOnlyAtTheEnds) {
  m().ClearRecords();
  qv::RakenneValidation r = Check(2, -1, "2000", 3);
  EXPECT_EQ(r.message, "Jäykkä tuki vain päihin !");
  EXPECT_EQ(r.caption, "VIRHE");
  EXPECT_EQ(Check(2, -1, "0.1", 3).message, "Jäykkä tuki vain päihin !");
  EXPECT_TRUE(Check(2, -1, "0", 3).ok);
  EXPECT_TRUE(Check(2, -1, "6000", 3).ok);
  EXPECT_TRUE(Check(2, -1, "2000", 2).ok);
}

TEST_F(RakenneDialogiTest, StoringPointsKeepsMemberOrder) {
  const qv::RakenneAnswers none;
  RakenneDialogInput in = PointInput(2, -1, "3000", 1);
  in.name = "";
  qv::RakenneStoreResult r = qv::StoreRakenne(p, qv::NormaliseRakenneState(p, 2, -1), in, none);
  EXPECT_EQ(r.status, RakenneStoreStatus::kStored);
  ASSERT_EQ(m().Count(), 3);
  EXPECT_EQ(m().CurrentIndex, 1);
  EXPECT_EQ(m().Code(1), RV::kSlidingX);
  EXPECT_EQ(m().TextOr(1, 0), " ");
  // Moving the middle support past the end one reorders it.
  in = PointInput(2, 1, "6000", 1);
  EXPECT_EQ(qv::StoreRakenne(p, qv::NormaliseRakenneState(p, 2, 1), in, none).status,
            RakenneStoreStatus::kInvalid);
  in = PointInput(2, 1, "5500", 3);
  r = qv::StoreRakenne(p, qv::NormaliseRakenneState(p, 2, 1), in, none);
  EXPECT_EQ(r.status, RakenneStoreStatus::kInvalid);
  EXPECT_EQ(r.error.message, "Jäykkä tuki vain päihin !");
  EXPECT_DOUBLE_EQ(m().X(1), 3000.0);  // nothing stored
  in = PointInput(2, 1, "5500", 2);
  in.name = std::string(70, 'n');
  EXPECT_EQ(qv::StoreRakenne(p, qv::NormaliseRakenneState(p, 2, 1), in, none).status,
            RakenneStoreStatus::kStored);
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0, 5500.0, 6000.0}));
  EXPECT_EQ(m().CurrentIndex, 1);
  EXPECT_EQ(m().TextOr(1, 0), std::string(59, 'n'));
  // A hinge goes after the supports.
  in = PointInput(3, -1, "1000");
  EXPECT_EQ(qv::StoreRakenne(p, qv::NormaliseRakenneState(p, 3, -1), in, none).status,
            RakenneStoreStatus::kStored);
  EXPECT_EQ(m().CurrentIndex, 3);
  EXPECT_EQ(m().Kind(3), RV::kHinge);
  EXPECT_EQ(m().Code(3), RV::kHingeZ);
}

TEST_F(RakenneDialogiTest, ShorteningWithYesMovesTheEndSupport) {
  m().AddPoint(" ", RV::kHinge, RV::kHingeZ, 5000.0);
  RakenneDialogInput in = MemberInput("4000");
  const qv::RakenneStoreResult first =
      qv::StoreRakenne(p, qv::NormaliseRakenneState(p, 1, -1), in, qv::RakenneAnswers{});
  EXPECT_EQ(first.status, RakenneStoreStatus::kAsk);
  EXPECT_EQ(first.question, RakenneQuestion::kMoveEndSupport);
  EXPECT_EQ(first.questionText, "Haluatko että loppupään tukea siirretään myös ?");
  EXPECT_DOUBLE_EQ(m().Length, 6000.0);  // nothing stored before the answer
  std::vector<RakenneQuestion> asked;
  EXPECT_EQ(StoreMember(in, 1, 0, &asked).status, RakenneStoreStatus::kStored);
  EXPECT_EQ(asked, std::vector<RakenneQuestion>{RakenneQuestion::kMoveEndSupport});
  EXPECT_DOUBLE_EQ(m().Length, 4000.0);
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0, 4000.0}));
  EXPECT_EQ(m().CountOfKind(RV::kHinge), 0);  // beyond the new end
  EXPECT_EQ(m().CurrentIndex, -1);
}

TEST_F(RakenneDialogiTest, ShorteningWithNoLeavesOneSupportAndCutsLoads) {
  KuormaVektori& loads = p.Loads;
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, 1, 1.0, 5.0, 1000.0, 5000.0);
  loads.AddLoad(" ", 0, KuormaVektori::kPoint, 2, 1, 7.0, 0.0, 3000.0, 0.0);
  loads.AddLoad(" ", 1, KuormaVektori::kLine, 2, 1, 1.0, 1.0, 3000.0, 6000.0);
  EXPECT_EQ(StoreMember(MemberInput("3000"), 0, 0).status, RakenneStoreStatus::kStored);
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0}));
  ASSERT_EQ(loads.Count(), 2);
  // The line load 1000..5000 (1 -> 5) cut at 3000 ends at 3; the point load at the end
  // stays; the line load starting at the end goes.
  EXPECT_DOUBLE_EQ(loads.X2(1), 3000.0);
  EXPECT_DOUBLE_EQ(loads.Q2(1), 3.0);
  EXPECT_EQ(loads.Kind(0), KuormaVektori::kPoint);
}

TEST_F(RakenneDialogiTest, FixedEndSupportAnsweredNoIsRemoved) {
  m().ClearRecords();
  m().AddPoint(" ", RV::kSupport, RV::kPinned, 0.0);
  m().AddPoint("K", RV::kSupport, RV::kFixed, 6000.0);
  EXPECT_EQ(StoreMember(MemberInput("7000"), 0, 0).status, RakenneStoreStatus::kStored);
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0}));
  m().AddPoint("K", RV::kSupport, RV::kFixed, 7000.0);
  EXPECT_EQ(StoreMember(MemberInput("8000"), 1, 0).status, RakenneStoreStatus::kStored);
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0, 8000.0}));
  EXPECT_EQ(m().Code(1), RV::kFixed);
  EXPECT_EQ(m().TextOr(1, 0), "K");
}

TEST_F(RakenneDialogiTest, LengtheningAsksAboutFullLengthLoads) {
  KuormaVektori& loads = p.Loads;
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
  loads.AddLoad(" ", 0, KuormaVektori::kSurface, 2, 1, -0.001, -0.001, 0.0, 6000.0);
  loads.AddLoad(" ", 1, KuormaVektori::kLine, 2, 1, -2.0, -2.0, 0.0, 5000.0);
  std::vector<RakenneQuestion> asked;
  EXPECT_EQ(StoreMember(MemberInput("8000"), 1, 1, &asked).status, RakenneStoreStatus::kStored);
  EXPECT_EQ(asked, (std::vector<RakenneQuestion>{RakenneQuestion::kMoveEndSupport,
                                                 RakenneQuestion::kLengthenLoads}));
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0, 8000.0}));
  ASSERT_EQ(loads.Count(), 3);
  EXPECT_DOUBLE_EQ(loads.X2(0), 8000.0);  // line load of case 0
  EXPECT_DOUBLE_EQ(loads.X2(1), 8000.0);  // surface load of case 0
  EXPECT_DOUBLE_EQ(loads.X2(2), 5000.0);  // not full length: not changed
}

TEST_F(RakenneDialogiTest, PartialLoadsAreNotOffered) {
  p.Loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 5000.0);
  std::vector<RakenneQuestion> asked;
  EXPECT_EQ(StoreMember(MemberInput("8000"), 0, 1, &asked).status, RakenneStoreStatus::kStored);
  EXPECT_EQ(asked, std::vector<RakenneQuestion>{RakenneQuestion::kMoveEndSupport});
  EXPECT_DOUBLE_EQ(p.Loads.X2(0), 5000.0);
}

TEST_F(RakenneDialogiTest, LengtheningAnsweredNoKeepsTheLoads) {
  KuormaVektori& loads = p.Loads;
  loads.AddLoad(" ", 0, KuormaVektori::kLine, 2, 1, -1.0, -1.0, 0.0, 6000.0);
  const qv::RakenneDialogState s = qv::NormaliseRakenneState(p, 1, -1);
  qv::RakenneAnswers a;
  a.moveEndSupport = 0;
  const qv::RakenneStoreResult r = qv::StoreRakenne(p, s, MemberInput("8000"), a);
  EXPECT_EQ(r.question, RakenneQuestion::kLengthenLoads);
  EXPECT_EQ(r.questionText,
            "Haluatko että koko rakenteen pituiset viiva-/pintakuormat pidennetään myös ?");
  EXPECT_DOUBLE_EQ(m().Length, 6000.0);
  a.lengthenLoads = 0;
  EXPECT_EQ(qv::StoreRakenne(p, s, MemberInput("8000"), a).status, RakenneStoreStatus::kStored);
  EXPECT_DOUBLE_EQ(loads.X2(0), 6000.0);
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0, 6000.0}));
}

TEST_F(RakenneDialogiTest, MemberFieldsStored) {
  m().CurrentIndex = 1;
  RakenneDialogInput in = MemberInput("6000");
  in.name = "";
  in.angle = "12,5";
  in.loadWidth = "800";
  std::vector<RakenneQuestion> asked;
  EXPECT_EQ(StoreMember(in, 1, 1, &asked).status, RakenneStoreStatus::kStored);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(m().Name, " ");
  EXPECT_DOUBLE_EQ(m().Angle, 12.5);
  EXPECT_DOUBLE_EQ(m().LoadWidth, 800.0);
  EXPECT_DOUBLE_EQ(m().RidgeX, -1.0);
  EXPECT_EQ(m().CurrentIndex, -1);
  // A member without a load width (from a file) is accepted and keeps it.
  m().LoadWidth = 0.0;
  in = MemberInput("6000");
  EXPECT_TRUE(in.loadWidth.empty());
  EXPECT_EQ(StoreMember(in, 1, 1).status, RakenneStoreStatus::kStored);
  EXPECT_DOUBLE_EQ(m().LoadWidth, 0.0);
  // A ticked ridge is stored.
  m().RidgeX = 100.0;
  in = MemberInput("6000");
  in.ridge = "2500";
  EXPECT_EQ(StoreMember(in, 1, 1).status, RakenneStoreStatus::kStored);
  EXPECT_DOUBLE_EQ(m().RidgeX, 2500.0);
}

TEST_F(RakenneDialogiTest, SmallLengthChangeTakesTheEndSupportAlong) {
  // Within 10 mm no question is due; the end support follows the end instead of being cut
  // away (shorter) or left inside the member (longer).
  std::vector<RakenneQuestion> asked;
  EXPECT_EQ(StoreMember(MemberInput("5995"), 0, 0, &asked).status, RakenneStoreStatus::kStored);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0, 5995.0}));
  m().RemoveRecord(1);
  m().AddPoint(" ", RV::kSupport, RV::kFixed, 5995.0);
  EXPECT_EQ(StoreMember(MemberInput("6005"), 0, 0, &asked).status, RakenneStoreStatus::kStored);
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(SupportXs(), (std::vector<double>{0.0, 6005.0}));
  EXPECT_EQ(m().Code(1), RV::kFixed);
}

}  // namespace
