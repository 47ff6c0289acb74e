#include <gtest/gtest.h>


#include "host/Orvik.h"
#include "platform/win32/TextConversion.h"
#include "tests/support/TempProject.h"

namespace {


TEST(ProjectFiles, SettingsAnswerTheHostQueries) {
  support::TempProject project;
  project.SetSetting("OEM", "CompanyID", "81");
  project.SetSetting("Limits", "MaxArray", "500");
  project.SetSetting("Project", "WindowsCE", "1");
  project.SetSetting("SCP", "Enabled", "1");
  project.SetSetting("SCP", "Tags", "Remote1, remote2");
  project.SetSetting("Integration", "CreatedTags", "Tank");
  project.host().AddTag(u"Tank", 1, 9);
  project.Reopen();

  EXPECT_EQ(APOrvikGetInt(u"OEM", u"CompanyID", 0), 81);
  EXPECT_EQ(APOrvikGetInt(u"oem", u"companyid", 0), 81);
  EXPECT_EQ(APOrvikGetInt(u"OEM", u"Missing", -7), -7);
  EXPECT_EQ(OVGetMaxArray(), 500);
  EXPECT_EQ(OVGetMaxTags(), 10000);
  EXPECT_EQ(OVGetRealDatabaseSize(), 3 + 10) << "three standard tags and ten elements";
  EXPECT_TRUE(OVIsAppForCE());
  EXPECT_TRUE(DBSCPEnabled());
  EXPECT_TRUE(DBSCPIsTagNameFromSCP(u"REMOTE2"));
  EXPECT_FALSE(DBSCPIsTagNameFromSCP(u"Tank"));
  EXPECT_FALSE(DBTagIntegrationEnabled());
  EXPECT_TRUE(DBTagIntegrationIsTagCreated(u"Tank"));
  EXPECT_EQ(OVGetInternalCount(), 2);
  EXPECT_EQ(OVGetSoftPLCCount(), 1);
  EXPECT_EQ(std::filesystem::path(platform::Utf16ToUtf8(APGetAppDatabasePath())), project.Folder());
  project.SetSetting("Limits", "RealDatabaseSize", "1234");
  EXPECT_EQ(OVGetRealDatabaseSize(), 1234);
}

std::u16string lastLanguage;
void RememberLanguage(LPCWSTR code) { lastLanguage = code; }

TEST(ProjectFiles, LanguageCallbacksHearTheCurrentLanguageAndEveryChange) {
  support::TempProject project;
  WCHAR code[256];
  ASSERT_TRUE(OVGetCurrentLanguage(code, 255));
  EXPECT_EQ(std::u16string(code), u"en-US");
  ASSERT_TRUE(LumoraSetLocalizedLanguage(RememberLanguage));
  EXPECT_EQ(lastLanguage, u"en-US");
  project.host().SetLanguage(u"de-CH");
  EXPECT_EQ(lastLanguage, u"de-CH");
  ASSERT_TRUE(LumoraRemoveLocalizedLanguage(RememberLanguage));
  EXPECT_FALSE(LumoraRemoveLocalizedLanguage(RememberLanguage));
  project.host().SetLanguage(u"fr");
  EXPECT_EQ(lastLanguage, u"de-CH");
  project.Reopen();
  ASSERT_TRUE(OVGetCurrentLanguage(code, 255));
  EXPECT_EQ(std::u16string(code), u"fr");
}

}  // namespace
