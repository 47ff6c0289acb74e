#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "host/Orvik.h"
#include "hostsim/DemoProject.h"
#include "hostsim/Host.h"
#include "tests/support/TempFolder.h"

namespace {

class DemoProject : public ::testing::Test {
 protected:
  void SetUp() override {
    hostsim::DemoProject::Write(folder_.Root());
    host().OpenProject(folder_.Root());
  }
  void TearDown() override { host().CloseProject(); }
  static hostsim::Host& host() { return hostsim::Host::Instance(); }
  static std::set<DWORD> Codes(const char16_t* name) {
    std::set<DWORD> codes;
    const AlarmInfoRecord* info = host().Record(name).pAlarmInfo;
    for (DWORD i = 0; info != nullptr && i < info->Get<AlarmInfoRecord::TypeCount>(); ++i) {
      codes.insert(info->pTypes[i].Get<AlarmTypeRecord::TypeCode>());
    }
    return codes;
  }
  support::TempFolder folder_;
};

TEST_F(DemoProject, HoldsWhatEveryPageNeeds) {
  EXPECT_EQ(OVGetInternalCount(), 3);
  EXPECT_EQ(OVGetSoftPLCCount(), 2);
  EXPECT_EQ(APOrvikGetInt(u"OEM", u"CompanyID", 0), 81);
  EXPECT_EQ(Codes(u"Level"), (std::set<DWORD>{1, 2, 4, 8, 16, 32, 64}));
  EXPECT_EQ(Codes(u"Alarm"), (std::set<DWORD>{2, 4, 16}));
  EXPECT_EQ(host().Record(u"Heartbeat").Get<VarRecord::NoAlarmsPage>(), 1u);
  EXPECT_NE(host().Record(u"Level").pAlarmInfo->pTypes[0].message.m_pszLong, nullptr) << "a long alarm message";
  EXPECT_EQ(host().Record(u"Level").Get<VarRecord::HistoryEnabled>(), 1u);

  std::set<std::pair<int, bool>> shapes;  // base type, array
  for (const auto& tag : host().Database().Tags()) {
    if (tag->kind == hostsim::TagKind::User && !tag->IsClassTyped()) shapes.insert({tag->type, tag->Size() > 0});
  }
  EXPECT_EQ(shapes.size(), 8u) << "scalar and array tags of each base type";
  const hostsim::TagClass* pump = host().Database().ClassAt(1);
  ASSERT_NE(pump, nullptr);
  std::set<int> memberTypes;
  for (const auto& m : pump->members) memberTypes.insert(m.type);
  EXPECT_EQ(memberTypes, (std::set<int>{0, 1, 2, 3}));
  EXPECT_EQ(host().Database().FindTag(u"Pump2")->type, 4);
  WCHAR description[1025];
  DBGetTagDescSecure(host().Database().FindTag(u"Temperature")->number, description, 1025);
  EXPECT_GT(std::u16string(description).size(), 128u) << "longer than the dialog accepts";
}

}  // namespace
