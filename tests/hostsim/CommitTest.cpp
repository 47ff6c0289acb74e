#include <gtest/gtest.h>

#include <string>

#include "host/Orvik.h"
#include "tests/support/TempProject.h"

namespace {

using hostsim::Host;

class Commit : public ::testing::Test {
 protected:
  void SetUp() override {
    host().AddClass(u"Motor", {{u"On", 0, u""}, {u"Rpm", 1, u"revolutions"}});
    host().AddTag(u"Flow", 2, 3);
    host().AddTag(u"Motor1", 4);
  }
  Host& host() { return project_.host(); }
  VarRef Ref(const char16_t* name) {
    VarRef ref{};
    EXPECT_TRUE(DBGetVar(&ref, name));
    return ref;
  }
  // Configures element 2 of Flow through the host calls, as the pages do.
  void ConfigureFlow() {
    VarRef ref = Ref(u"Flow[2]");
    TagDefRecord* def = nullptr;
    VarRecord* rec = nullptr;
    ASSERT_TRUE(OVFindVar(&ref, &def, &rec, 1));
    def->param.Set<ParamRecord::Smoothing>(1);
    def->param.Set<ParamRecord::HistorianIntegration>(1);
    def->param.dEngMax = 250.5;
    std::char_traits<char16_t>::copy(def->param.szUnit, u"m3/h", 5);
    OVSetParamStartup(&def->param, u" 12.5 ");
    rec->Set<VarRecord::HistoryEnabled>(1);
    rec->Set<VarRecord::HistoryGroup>(300);
    rec->dLogDeadBand = 0.25;
    rec->dwHost = 0xABCD;
    AlarmInfoRecord* info = OVAddAlrInfo(rec);
    info->Set<AlarmInfoRecord::AlarmsEnabled>(1);
    info->dDeviationDeadBand = 1.5;
    OVSetAlrRemoteAck(rec, std::u16string(80, u'r').c_str());
    OVSetAlrDeviationSetpoint(rec, u"Setpoint");
    AlarmTypeRecord* rate = OVAddAlrType(rec, 16);
    OVSetAlrTypeMessage(rec, 16, std::u16string(100, u'm').c_str());
    OVSetAlrTypeSelection(rec, 16, u"SEL");
    rate->Set<AlarmTypeRecord::RateUnit>(2);
    rate->Set<AlarmTypeRecord::Priority>(200);
    rate->dwFlags |= 0xC0000000;
    rate->dLimit = -4.75;
    OVAddAlrType(rec, 1)->dLimit = 99;
  }
  support::TempProject project_;
};

TEST_F(Commit, ACommittedTagComesBackExactlyAfterReopening) {
  ConfigureFlow();
  VarRef ref = Ref(u"Flow[2]");
  ASSERT_TRUE(DBSaveAlrConfig(&ref));
  project_.Reopen();

  const TagDefRecord& def = host().Definition(u"Flow");
  EXPECT_EQ(def.param.Get<ParamRecord::Smoothing>(), 1u);
  EXPECT_EQ(def.param.Get<ParamRecord::HistorianIntegration>(), 1u);
  EXPECT_EQ(def.param.dEngMax, 250.5);
  EXPECT_EQ(std::u16string(def.param.szUnit), u"m3/h");
  EXPECT_EQ(host().Startup(u"Flow"), u" 12.5 ");
  const VarRecord& rec = host().Record(u"Flow[2]");
  EXPECT_EQ(rec.Get<VarRecord::HistoryEnabled>(), 1u);
  EXPECT_EQ(rec.Get<VarRecord::HistoryGroup>(), 300u);
  EXPECT_EQ(rec.Get<VarRecord::BaseType>(), 2u);
  EXPECT_EQ(rec.dLogDeadBand, 0.25);
  EXPECT_EQ(rec.dwHost, 0xABCDu);
  const AlarmInfoRecord* info = rec.pAlarmInfo;
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->Get<AlarmInfoRecord::AlarmsEnabled>(), 1u);
  EXPECT_EQ(info->Get<AlarmInfoRecord::TypeCount>(), 2u);
  EXPECT_EQ(info->dDeviationDeadBand, 1.5);
  EXPECT_EQ(std::u16string(info->remoteAck.GetText()), std::u16string(80, u'r'));
  EXPECT_EQ(std::u16string(info->deviationSetpoint.GetText()), u"Setpoint");
  const AlarmTypeRecord& rate = info->pTypes[0];
  EXPECT_EQ(rate.dwFlags, 16u | (2u << 8) | (200u << 22) | 0xC0000000u);
  EXPECT_EQ(std::u16string(rate.message.GetText()), std::u16string(100, u'm'));
  EXPECT_EQ(std::u16string(rate.szSelection), u"SEL");
  EXPECT_EQ(rate.dLimit, -4.75);
  EXPECT_EQ(info->pTypes[1].dLimit, 99);
  EXPECT_EQ(host().Record(u"Flow[1]").pAlarmInfo, nullptr);
}

// Nothing uncommitted reaches the file, nor do the setters commit record edits.
TEST_F(Commit, SettersWriteOnlyTheirOwnField) {
  ConfigureFlow();
  const WORD flow = Ref(u"Flow").tagNumber;
  ASSERT_TRUE(DBSetTagDesc(flow, u"Main flow"));
  ASSERT_TRUE(DBSetTagWebRemote(flow, 1));
  ASSERT_TRUE(DBSetTagSize(flow, 5));
  project_.Reopen();
  WCHAR desc[1025];
  ASSERT_TRUE(DBGetTagDescSecure(flow, desc, 1025));
  EXPECT_EQ(std::u16string(desc), u"Main flow");
  EXPECT_EQ(DBGetTagWebRemote(flow), 1);
  int size = 0;
  ASSERT_TRUE(DBGetTagSize(flow, &size));
  EXPECT_EQ(size, 5);
  EXPECT_EQ(host().Definition(u"Flow").Get<TagDefRecord::ArraySize>(), 5u);
  EXPECT_EQ(host().Definition(u"Flow").param.dEngMax, 0.0);
  EXPECT_EQ(host().Startup(u"Flow"), u"");
  EXPECT_EQ(host().Record(u"Flow[2]").pAlarmInfo, nullptr);
  EXPECT_NO_THROW(host().Record(u"Flow[5]"));
}

TEST_F(Commit, ShrinkingDropsElementsAndGrowingAddsEmptyOnes) {
  ConfigureFlow();
  VarRef ref = Ref(u"Flow[2]");
  DBSaveHstConfig(&ref);
  DBSetTagSize(ref.tagNumber, 1);
  DBSetTagSize(ref.tagNumber, 4);
  project_.Reopen();
  EXPECT_EQ(host().Record(u"Flow[2]").pAlarmInfo, nullptr);
  EXPECT_EQ(host().Record(u"Flow[2]").Get<VarRecord::HistoryGroup>(), 0u);
  EXPECT_EQ(host().Record(u"Flow[4]").Get<VarRecord::BaseType>(), 2u);
}

TEST_F(Commit, ChangingTheTypeRebuildsMembersAndWritesThrough) {
  const WORD motor = Ref(u"Motor1").tagNumber;
  host().Record(u"Motor1.Rpm").Set<VarRecord::HistoryEnabled>(1);
  host().Commit(u"Motor1");
  ASSERT_TRUE(DBSetTagType(motor, 3));
  EXPECT_FALSE(DBSetTagType(motor, 9)) << "no class 6";
  project_.Reopen();
  VarRef whole = Ref(u"Motor1");
  EXPECT_EQ(OVTypeVar(&whole), 3);
  EXPECT_EQ(host().Record(u"Motor1").Get<VarRecord::BaseType>(), 3u);
  VarRef member{};
  EXPECT_FALSE(DBGetVar(&member, u"Motor1.Rpm"));
  ASSERT_TRUE(DBSetTagType(motor, 4));
  project_.Reopen();
  EXPECT_EQ(host().Record(u"Motor1.Rpm").Get<VarRecord::HistoryEnabled>(), 0u) << "members start anew";
  EXPECT_EQ(host().Definition(u"Motor1").Get<TagDefRecord::Structure>(), 1u);
}

TEST_F(Commit, TagListModifiedCommitsEveryTagHandedOutForEditing) {
  VarRef motor = Ref(u"Motor1.On");
  VarRef flow = Ref(u"Flow");
  TagDefRecord* def = nullptr;
  ASSERT_TRUE(OVFindVar(&motor, &def, nullptr, 1));
  def->param.Set<ParamRecord::ValueIntegration>(1);
  TagDefRecord* looked = nullptr;
  ASSERT_TRUE(OVFindVar(&flow, &looked, nullptr, 0));
  looked->param.Set<ParamRecord::ValueIntegration>(1);
  ASSERT_TRUE(DBSaveTagLModified(0));
  EXPECT_EQ(host().TagListModifiedCount(), 1);
  project_.Reopen();
  EXPECT_EQ(host().Definition(u"Motor1.On").param.Get<ParamRecord::ValueIntegration>(), 1u);
  EXPECT_EQ(host().Definition(u"Flow").param.Get<ParamRecord::ValueIntegration>(), 0u)
      << "a lookup with flag 0 is not handed out for editing";
  EXPECT_EQ(host().TagListModifiedCount(), 0);
}

}  // namespace
