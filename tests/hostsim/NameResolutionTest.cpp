#include <gtest/gtest.h>

#include "host/Orvik.h"
#include "tests/support/TempProject.h"
#include "platform/win32/TextConversion.h"

namespace {

constexpr WORD kTank = support::TempProject::kFirstUserTag;
constexpr WORD kPump1 = kTank + 2;
constexpr WORD kPumps = kTank + 3;

class NameResolution : public ::testing::Test {
 protected:
  void SetUp() override {
    auto& host = project_.host();
    host.AddClass(u"Pump", {{u"Running", 0, u""}, {u"Speed", 2, u""}, {u"Label", 3, u""}});
    ASSERT_EQ(host.AddTag(u"Tank", 1, 10), kTank);
    host.AddTag(u"Flag", 0);
    ASSERT_EQ(host.AddTag(u"Pump1", 4), kPump1);
    ASSERT_EQ(host.AddTag(u"Pumps", 4, 3), kPumps);
  }
  support::TempProject project_;
};

TEST_F(NameResolution, NamesFillTheReferenceOrFail) {
  struct Case {
    const char16_t* name;
    WORD tag;
    int element;
    DWORD member;
    DWORD kind;
  };
  const Case found[] = {
      {u"Tank", kTank, 0, 0, 0},         {u"tANK", kTank, 0, 0, 0},
      {u"Tank[3]", kTank, 3, 0, 0},      {u"Tank[10]", kTank, 10, 0, 0},
      {u"@Tank[2]", kTank, 2, 0, 1},     {u"Pump1.Speed", kPump1, 0, 2, 0},
      {u"pump1.label", kPump1, 0, 3, 0}, {u"Pumps[2].Running", kPumps, 2, 1, 0},
      {u"Pumps", kPumps, 0, 0, 0},
  };
  for (const auto& c : found) {
    SCOPED_TRACE(platform::Utf16ToUtf8(c.name));
    VarRef ref{};
    ref.reserved = 0xDEAD;
    ASSERT_TRUE(DBGetVar(&ref, c.name));
    EXPECT_EQ(ref.tagNumber, c.tag);
    EXPECT_EQ(ref.elementIndex, -c.element);
    EXPECT_EQ(ref.info & 0x1FFF, c.member);
    EXPECT_EQ(reinterpret_cast<const BYTE*>(&ref)[6], c.kind);
    EXPECT_EQ(ref.reserved, 0u);
  }
  for (const char16_t* name : {u"Tank[11]", u"Flag[0]", u"Tank.Speed", u"Pump1.Flow", u"Pump1.", u"Tank[", u"Tank[]",
                               u"Tank[3", u"Tank[3]x", u"Tank[-1]", u" Tank", u"Tank ", u"", u"@", u"Missing"}) {
    VarRef ref{};
    EXPECT_FALSE(DBGetVar(&ref, name)) << platform::Utf16ToUtf8(name);
  }
}

TEST_F(NameResolution, MembersHaveTheirOwnRecordsAndTypes) {
  VarRef ref{};
  TagDefRecord* def = nullptr;
  VarRecord* rec = nullptr;
  ASSERT_TRUE(DBGetVar(&ref, u"Pumps[1].Speed"));
  ASSERT_TRUE(OVFindVar(&ref, &def, &rec, 1));
  ASSERT_NE(rec, nullptr);
  EXPECT_EQ(def->Get<TagDefRecord::BaseType>(), 2u);
  EXPECT_EQ(def->Get<TagDefRecord::ArraySize>(), 3u) << "a member is as long as its instance array";
  EXPECT_EQ(rec->Get<VarRecord::BaseType>(), 2u);
  EXPECT_EQ(OVTypeVar(&ref), 2);
  EXPECT_EQ(rec, &project_.host().Record(u"Pumps[1].Speed"));
  EXPECT_NE(rec, &project_.host().Record(u"Pumps[2].Speed"));
  EXPECT_NE(rec, &project_.host().Record(u"Pumps[1].Running"));

  int type = -1;
  WCHAR className[16];
  ASSERT_TRUE(DBGetTagTypeSecure(ref.tagNumber, &type, className, 16));
  EXPECT_EQ(type, 4);
  EXPECT_EQ(std::u16string(className), u"Pump");
}

TEST_F(NameResolution, AClassTypedTagAsAWholeIsAStructureWithoutElements) {
  VarRef ref{};
  TagDefRecord* def = nullptr;
  VarRecord* rec = reinterpret_cast<VarRecord*>(1);
  ASSERT_TRUE(DBGetVar(&ref, u"Pump1"));
  ASSERT_TRUE(OVFindVar(&ref, &def, &rec, 0));
  EXPECT_EQ(rec, nullptr);
  EXPECT_EQ(def->Get<TagDefRecord::Structure>(), 1u);
  EXPECT_EQ(OVTypeVar(&ref), 4);
}

TEST_F(NameResolution, AnElementPastTheArrayHasNoRecord) {
  VarRef ref{};
  TagDefRecord* def = nullptr;
  VarRecord* rec = nullptr;
  ASSERT_TRUE(DBGetVar(&ref, u"Tank"));
  for (int element : {0, 10, 11, -1}) {
    ref.SetElement(element);
    ASSERT_TRUE(OVFindVar(&ref, &def, &rec, 1));
    EXPECT_EQ(rec != nullptr, element >= 0 && element <= 10) << element;
  }
}

TEST_F(NameResolution, TrimRemovesBlanksAndTabsAtBothEnds) {
  WCHAR buffer[16] = u" \tTank 1\t ";
  ASSERT_TRUE(OVTrimStringSecure(buffer, 16));
  EXPECT_EQ(std::u16string(buffer), u"Tank 1");
  WCHAR unterminated[4] = {u' ', u'a', u'b', u'c'};
  ASSERT_TRUE(OVTrimStringSecure(unterminated, 4));
  EXPECT_EQ(std::u16string(unterminated), u"ab") << "the capacity bounds the text";
}

}  // namespace
