// DBTagProperties through the loaded plug-in: which tag it finds, which pages the sheet gets, the
// system-tag warning and what it tells the host afterwards.

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
  }
  void SetNoAlarmsPage(const std::u16string& name) {
    host().Record(name).Set<VarRecord::NoAlarmsPage>(1);
    host().Commit(name);
  }
};

TEST_F(TagPropertiesTest, PagesFollowTheBaseTypeAndTheNoAlarmsBit) {
  host().AddTag(u"QuietValve", 0);
  host().AddTag(u"QuietFlow", 2);
  host().AddTag(u"QuietRecipe", 3);
  for (const auto* name : {u"QuietValve", u"QuietFlow", u"QuietRecipe"}) SetNoAlarmsPage(name);
  struct Case {
    std::u16string tag;
    Pages pages;
  };
  const Case cases[] = {
      {u"Valve", {kParameters, kBoolAlarms, kBoolHistory}},
      {u"Tank", {kParameters, kNumAlarms, kNumHistory}},
      {u"Tank[3]", {kParameters, kNumAlarms, kNumHistory}},
      {u"Flow", {kParameters, kNumAlarms, kNumHistory}},
      {u"Recipe", {kParameters, kBoolHistory}},
      {u"QuietValve", {kParameters, kBoolHistory}},
      {u"QuietFlow", {kParameters, kNumHistory}},
      {u"QuietRecipe", {kParameters, kBoolHistory}},
  };
  LoadedPlugIn plugIn;
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.tag.begin(), c.tag.end()));
    ExpectSheet(c.pages);
    EXPECT_EQ(plugIn.TagProperties(c.tag), 1);
  }
}

TEST_F(TagPropertiesTest, ElementPagesStartAtTheNamedElement) {
  LoadedPlugIn plugIn;
  user.OnModal([](driver::Driver& d) {
    d.Page(kNumHistory);
    EXPECT_EQ(d.Text(IDC_HST_ARRAY_INDEX), u"3");
    d.Cancel();
  });
  EXPECT_EQ(plugIn.TagProperties(u"Tank[3]"), 1);
}

TEST_F(TagPropertiesTest, NamesAreCutTrimmedAndLoseOneLeadingAt) {
  const std::u16string padded = u"Tank" + std::u16string(1020, u' ');
  struct Case {
    std::u16string name;
    bool found;
  };
  const Case cases[] = {
      {u"  Tank\t", true},
      {u"@Tank", true},
      {u" @Tank ", true},
      {u"@", false},
      {u"", false},
      // The name is cut at 1024 characters before it is trimmed.
      {padded + u"junk", true},
      {u"Tank" + std::u16string(1019, u' ') + u"junk", false},
  };
  LoadedPlugIn plugIn;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.size() > 40 ? "long name" : std::string(c.name.begin(), c.name.end()));
    if (c.found) ExpectSheet({kParameters, kNumAlarms, kNumHistory});
    EXPECT_EQ(plugIn.TagProperties(c.name), c.found ? 1 : 0);
  }
}

TEST_F(TagPropertiesTest, UnknownTagShowsNothingAndTouchesNothing) {
  LoadedPlugIn plugIn;
  const int modified = host().TagListModifiedCount();
  EXPECT_EQ(plugIn.TagProperties(u"Nothing"), 0);
  EXPECT_EQ(host().TagListModifiedCount(), modified);
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
    ASSERT_EQ(user.ShownBoxes().size(), boxes + (c.system ? 1 : 0));
    if (c.system) {
      EXPECT_EQ(user.ShownBoxes().back().caption, u"Tag Properties");
      EXPECT_EQ(user.ShownBoxes().back().type & 0xF, static_cast<UINT>(MB_OK));
    }
  }
}

TEST_F(TagPropertiesTest, CancelStillMarksTheTagListModified) {
  LoadedPlugIn plugIn;
  const int modified = host().TagListModifiedCount();
  ExpectSheet({kParameters, kBoolAlarms, kBoolHistory});
  EXPECT_EQ(plugIn.TagProperties(u"Valve"), 1);
  EXPECT_EQ(host().TagListModifiedCount(), modified + 1);
}

TEST_F(TagPropertiesTest, IntegrationPageOnlyForCompanyId81) {
  struct Case {
    const char* companyId;
    bool integration;
  };
  const Case cases[] = {{"0", false}, {"80", false}, {"810", false}, {"81", true}};
  LoadedPlugIn plugIn;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.companyId);
    project.SetSetting("OEM", "CompanyID", c.companyId);
    Pages pages = {kParameters, kBoolHistory};
    if (c.integration) pages.push_back(kIntegration);
    ExpectSheet(pages);
    EXPECT_EQ(plugIn.TagProperties(u"Recipe"), 1);
  }
}

}  // namespace
}  // namespace apptest
