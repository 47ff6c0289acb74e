// Built as "Lumora Manager.exe": inside the host's own manager the plug-in registers its language
// callback, follows every change the host announces, and unregisters when it is unloaded.

#include <gtest/gtest.h>

#include "tests/app/PlugInTest.h"

namespace apptest {
namespace {

class ManagerProcessTest : public PlugInTest {};

TEST_F(ManagerProcessTest, TheHostChoosesTheLanguageThroughTheCallback) {
  host().AddTag(u"Tank", 1);
  project.SetSetting("Language", "Current", "de-DE");
  {
    LoadedPlugIn plugIn;
    ExpectSheet(kGermanNumericPages, kGermanCaption);
    EXPECT_EQ(plugIn.TagProperties(u"Tank"), 1);
    host().SetLanguage(u"en-US");
    ExpectSheet(kEnglishNumericPages);
    EXPECT_EQ(plugIn.TagProperties(u"Tank"), 1);
    host().SetLanguage(u"de-AT");
    ExpectSheet(kGermanNumericPages, kGermanCaption);
    EXPECT_EQ(plugIn.TagProperties(u"Tank"), 1);
  }
  // Unloaded: a callback left registered would now call into a module that is gone.
  host().SetLanguage(u"en-US");
}

}  // namespace
}  // namespace apptest
