#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/Orvik.h"
#include "hostsim/Element.h"
#include "tests/support/TempProject.h"

namespace {

class AlarmRecords : public ::testing::Test {
 protected:
  void SetUp() override {
    project_.host().AddTag(u"Level", 2, 2);
    VarRef ref{};
    ASSERT_TRUE(DBGetVar(&ref, u"Level[1]"));
    ASSERT_TRUE(OVFindVar(&ref, nullptr, &record_, 1));
  }
  std::vector<DWORD> Codes() const {
    std::vector<DWORD> codes;
    const AlarmInfoRecord* info = record_->pAlarmInfo;
    for (DWORD i = 0; i < info->Get<AlarmInfoRecord::TypeCount>(); ++i) {
      codes.push_back(info->pTypes[i].Get<AlarmTypeRecord::TypeCode>());
    }
    return codes;
  }
  support::TempProject project_;
  VarRecord* record_ = nullptr;
};

TEST_F(AlarmRecords, InfoIsCreatedOnceAndKeepsTheHostsFlagBits) {
  EXPECT_EQ(record_->pAlarmInfo, nullptr);
  AlarmInfoRecord* info = OVAddAlrInfo(record_);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(record_->pAlarmInfo, info);
  info->dwFlags = 0x80070001;
  EXPECT_EQ(OVAddAlrInfo(record_), info);
  OVAddAlrType(record_, 4);
  OVAddAlrType(record_, 1);
  EXPECT_EQ(info->dwFlags, 0x80070001u | (2u << 11)) << "only the count bits change";
  EXPECT_EQ(project_.host().Record(u"Level[0]").pAlarmInfo, nullptr) << "other elements have none";
  VarRecord stray{};
  EXPECT_EQ(OVAddAlrInfo(&stray), nullptr) << "a record the host does not own";
  EXPECT_EQ(OVAddAlrType(&stray, 1), nullptr);
  EXPECT_FALSE(OVSetAlrTypeMessage(record_, 8, u"no such type yet"));
  EXPECT_EQ(OVAddAlrType(record_, 0), nullptr);
}

TEST_F(AlarmRecords, TypesStayContiguousInOrderOfAdditionAndRemoval) {
  for (int code : {16, 1, 64, 2, 8, 32, 4}) ASSERT_NE(OVAddAlrType(record_, code), nullptr);
  EXPECT_EQ(Codes(), (std::vector<DWORD>{16, 1, 64, 2, 8, 32, 4}));
  AlarmTypeRecord* again = OVAddAlrType(record_, 2);
  EXPECT_EQ(again, &record_->pAlarmInfo->pTypes[3]) << "an existing type is returned, not added";
  OVRemoveAlrType(record_, 64);
  OVRemoveAlrType(record_, 16);
  EXPECT_FALSE(OVRemoveAlrType(record_, 64)) << "removing an absent type does nothing";
  EXPECT_EQ(Codes(), (std::vector<DWORD>{1, 2, 8, 32, 4}));
  for (int code : {1, 2, 8, 32, 4}) OVRemoveAlrType(record_, code);
  EXPECT_EQ(record_->pAlarmInfo->Get<AlarmInfoRecord::TypeCount>(), 0u);
  EXPECT_EQ(record_->pAlarmInfo->pTypes, nullptr);
}

// Setters hold across a growing array; long texts are held elsewhere and follow it.
TEST_F(AlarmRecords, TypesHoldTheirFieldsAndLongTextsWhenTheArrayMovesAndTheCountHasARoof) {
  const std::u16string exact(63, u'x');
  const std::u16string longer(64, u'y');
  const std::u16string veryLong(500, u'z');
  OVAddAlrType(record_, 1);
  OVSetAlrTypeMessage(record_, 1, veryLong.c_str());
  OVSetAlrRemoteAck(record_, exact.c_str());
  OVSetAlrDeviationSetpoint(record_, longer.c_str());
  for (int code : {2, 4, 8, 16, 32}) OVAddAlrType(record_, code);
  const AlarmInfoRecord* info = record_->pAlarmInfo;
  const AlarmTypeRecord& first = info->pTypes[0];
  ASSERT_NE(first.message.m_pszLong, nullptr);
  EXPECT_EQ(first.message.m_nLength, 500u);
  EXPECT_EQ(std::u16string(first.message.GetText()), veryLong);
  EXPECT_EQ(info->remoteAck.m_pszLong, nullptr) << "63 characters fit in place";
  EXPECT_EQ(std::u16string(info->remoteAck.m_szText), exact);
  ASSERT_NE(info->deviationSetpoint.m_pszLong, nullptr);
  EXPECT_EQ(std::u16string(info->deviationSetpoint.GetText()), longer);
  OVSetAlrDeviationSetpoint(record_, u"Tank");
  EXPECT_EQ(info->deviationSetpoint.m_pszLong, nullptr) << "a shorter text moves back in place";
  EXPECT_EQ(std::u16string(info->deviationSetpoint.GetText()), u"Tank");

  AlarmTypeRecord* hi = OVAddAlrType(record_, 2);
  hi->Set<AlarmTypeRecord::Group>(7);
  OVSetAlrTypeSelection(record_, 2, u"A");
  EXPECT_EQ(hi, OVAddAlrType(record_, 2));
  for (int code = 100; code < 109; ++code) ASSERT_NE(OVAddAlrType(record_, code), nullptr);
  EXPECT_EQ(info->Get<AlarmInfoRecord::TypeCount>(), 15u);
  EXPECT_EQ(OVAddAlrType(record_, 200), nullptr) << "the count field holds 15 at most";
  hi = OVAddAlrType(record_, 2);
  EXPECT_EQ(hi->Get<AlarmTypeRecord::Group>(), 7u) << "moved with the array";
  EXPECT_EQ(std::u16string(hi->szSelection), u"A");
  EXPECT_EQ(std::u16string(info->pTypes[0].message.GetText()), veryLong);
}

}  // namespace
