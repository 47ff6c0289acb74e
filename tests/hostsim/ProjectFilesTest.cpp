#include <gtest/gtest.h>

#include <fstream>

#include "host/Orvik.h"
#include "hostsim/ProjectError.h"
#include "hostsim/Settings.h"
#include "platform/win32/TextConversion.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TempProject.h"

namespace {

using hostsim::ProjectError;

void Spill(const std::filesystem::path& file, const std::string& content) {
  std::ofstream(file, std::ios::binary) << content;
}

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

TEST(ProjectFiles, SettingsReadBackAsTheyWereSaved) {
  struct Case {
    const char* what;
    std::string text;
    const char* tags;  // [SCP] Tags as read
  };
  const Case cases[] = {
      {"a comment after a value", "[SCP]\nTags=Remote1 ; the first\n", "Remote1"},
      {"a line that continues the value", "[SCP]\nTags=Remote1\n  Remote2 ; a note\n", "Remote2"},
      {"a semicolon inside a value", "[SCP]\nTags=Remote1;Remote2\n", "Remote1;Remote2"},
      {"found by the fuzz target",
       "; a commeVVVVVVVVVVV\xae\xa9\xa9\xa9\xa9\xa9\xa9\xa9VVVVVVVVVVVVVVVvVVVVVVVVVVVVVVnt\n"
       "[oem]\n"
       "companyid = 7 ; i~line\n"
       "[Limits]\n"
       "MaxTaLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLgs:21\n"
       "  continuee 7 ; inline\n"
       "[Limi@ts]\n"
       "MaxTags:20\n"
       "  continued\x9b",
       nullptr},
      {"a long key whose next line continues it",
       "=;[OEM]D\n"
       "\n"
       "#s=LeCE=0\n"
       ";\n"
       "[SCP]\n"
       "Enabled=1\n"
       "T\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
       "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tFlow ,s=Level,tiogs=Lew ,ags"
       "=Level, \t\t\t\t\t\t\t\t\t\t\xff\xff\xff\xff\xff\xff\xff\xff\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
       "\ttaabled\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\n"
       "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t"
       "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\tFlow ,s=Level,tiogs=Lew ,Tgs\xbdLevel,t",
       nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    support::TempProject project;
    const auto file = project.Folder() / "settings.ini";
    Spill(file, c.text);
    const hostsim::Settings once = hostsim::Settings::Load(file);
    if (c.tags != nullptr) {
      EXPECT_EQ(once.Get("SCP", "Tags"), c.tags);
    }
    once.Save(file);
    const std::string saved = support::ReadFile(file);
    hostsim::Settings::Load(file).Save(file);
    EXPECT_EQ(support::ReadFile(file), saved);
  }
}

TEST(ProjectFiles, SettingsLinesLongerThanTheReaderTakesAreRefused) {
  support::TempProject project;
  const auto file = project.Folder() / "settings.ini";
  Spill(file, "[SCP]\nTags=" + std::string(193, 'a') + "\n");
  EXPECT_EQ(hostsim::Settings::Load(file).Get("SCP", "Tags"), std::string(193, 'a')) << "198 characters are read";
  Spill(file, "[SCP]\nTags=" + std::string(194, 'a') + "\n");
  try {
    hostsim::Settings::Load(file);
    ADD_FAILURE() << "199 characters were read";
  } catch (const ProjectError& e) {
    EXPECT_STREQ(e.what(), "settings.ini: line 2 is longer than 198 characters");
  }
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
