// DBTagProperties and DBCanEditTagProperties through the loaded plug-in: which tag they find, which
// pages the sheet gets, the system-tag warning and what the sheet tells the host afterwards.

#include <gtest/gtest.h>

#include <string>

#include "host/Orvik.h"
#include "res/resource.h"
#include "tests/app/PlugInTest.h"

namespace apptest {
namespace {

const char16_t kSystemTagWarning[] = u"You cannot change properties of system tags, the properties will be read only.";

class TagPropertiesTest : public PlugInTest {
 protected:
  void SetUp() override {
    host().AddTag(u"Tank", 1, 10);
    host().AddTag(u"Flow", 2);
    host().AddTag(u"Valve", 0);
    host().AddTag(u"Recipe", 3);
    host().AddClass(u"Pump", {{u"Running", 0, {}}, {u"Speed", 2, {}}});
    host().AddTag(u"Pump1", 3 + 1);
  }
  void SetNoAlarmsPage(const std::u16string& name) {
    host().Record(name).Set<VarRecord::NoAlarmsPage>(1);
    host().Commit(name);
  }
};

// The platform-integration page comes last, for the OEM company id 81 only. Every sheet, even a
// cancelled one, marks the tag list modified.
TEST_F(TagPropertiesTest, PagesFollowTheBaseTypeTheNoAlarmsBitAndTheCompanyId) {
  host().AddTag(u"QuietValve", 0);
  host().AddTag(u"QuietFlow", 2);
  host().AddTag(u"QuietRecipe", 3);
  for (const auto* name : {u"QuietValve", u"QuietFlow", u"QuietRecipe"}) SetNoAlarmsPage(name);
  struct Case {
    std::u16string tag;
    Pages pages;
    const char* companyId = "0";
  };
  const Case cases[] = {
      {u"Valve", {kParameters, kBoolAlarms, kBoolHistory}},
      {u"Tank", {kParameters, kNumAlarms, kNumHistory}},
      {u"Flow", {kParameters, kNumAlarms, kNumHistory}},
      {u"Recipe", {kParameters, kBoolHistory}},
      {u"QuietValve", {kParameters, kBoolHistory}},
      {u"QuietFlow", {kParameters, kNumHistory}},
      {u"QuietRecipe", {kParameters, kBoolHistory}},
      {u"Recipe", {kParameters, kBoolHistory}, "80"},
      {u"Recipe", {kParameters, kBoolHistory}, "810"},
      {u"Recipe", {kParameters, kBoolHistory, kIntegration}, "81"},
      {u"QuietFlow", {kParameters, kNumHistory, kIntegration}, "81"},
  };
  LoadedPlugIn plugIn;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.tag.begin(), c.tag.end()) + " " + c.companyId);
    project.SetSetting("OEM", "CompanyID", c.companyId);
    const int modified = host().TagListModifiedCount();
    ExpectSheet(c.pages);
    EXPECT_EQ(plugIn.TagProperties(c.tag), 1);
    EXPECT_EQ(host().TagListModifiedCount(), modified + 1);
  }
}

// The sheet's name is cut at 1024 characters, trimmed and loses one leading @; the edit question
// takes no indirect reference and no class-typed tag as a whole. A tag not found shows nothing
// and touches nothing.
TEST_F(TagPropertiesTest, NamesAreCutTrimmedAndLoseOneLeadingAtForTheSheetOnly) {
  struct Case {
    std::u16string name;
    BOOL opens, editable;
  };
  const Case cases[] = {
      {u"  Tank\t", 1, 1},
      {u"Tank[4]", 1, 1},
      {u"@Tank", 1, 0},
      {u" @Tank ", 1, 0},
      {u"Pump1.Speed", 1, 1},
      {u"Pump1", 0, 0},
      {u"@", 0, 0},
      {u"", 0, 0},
      {u"Nothing", 0, 0},
      {u"Tank" + std::u16string(1020, u' ') + u"junk", 1, 1},
      {u"Tank" + std::u16string(1019, u' ') + u"junk", 0, 0},
  };
  LoadedPlugIn plugIn;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.size() > 40 ? "long name" : std::string(c.name.begin(), c.name.end()));
    const int modified = host().TagListModifiedCount();
    if (c.opens) ExpectSheet({kParameters, kNumAlarms, kNumHistory});
    EXPECT_EQ(plugIn.TagProperties(c.name), c.opens);
    EXPECT_EQ(plugIn.CanEditTagProperties(c.name), c.editable);
    EXPECT_EQ(host().TagListModifiedCount(), modified + c.opens);
  }
  EXPECT_TRUE(user.ShownBoxes().empty());
}

TEST_F(TagPropertiesTest, SystemTagsWarnOnceThenOpenReadOnly) {
  struct Case {
    std::u16string tag;
    bool system;
    Pages pages;
  };
  // Second and Date are tags 1 and 2, the last system tag; PlcStatus (3) is the first SoftPLC tag.
  const Case cases[] = {
      {u"Second", true, {kParameters, kNumAlarms, kNumHistory}},
      {u"Date", true, {kParameters, kBoolHistory}},
      {u"PlcStatus", false, {kParameters, kNumAlarms, kNumHistory}},
  };
  LoadedPlugIn plugIn;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.tag.begin(), c.tag.end()));
    const std::size_t boxes = user.ShownBoxes().size();
    if (c.system) user.ExpectBox(kSystemTagWarning);
    user.OnModal([&](driver::Driver& d) {
      EXPECT_EQ(d.Pages(), c.pages);
      EXPECT_EQ(d.Enabled(IDC_STARTUP_VALUE), !c.system) << "the pages of a system tag are read-only";
      d.Cancel();
    });
    EXPECT_EQ(plugIn.TagProperties(c.tag), 1);
    EXPECT_EQ(plugIn.CanEditTagProperties(c.tag), 1);
    ASSERT_EQ(user.ShownBoxes().size(), boxes + (c.system ? 1 : 0));
    if (c.system) {
      EXPECT_EQ(user.ShownBoxes().back().caption, u"Tag Properties");
      EXPECT_EQ(user.ShownBoxes().back().type & 0xF, static_cast<UINT>(MB_OK));
    }
  }
}

}  // namespace
}  // namespace apptest
