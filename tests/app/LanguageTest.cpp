// The language resource module: which file the plug-in looks for, in which folder, and what stays
// loaded. Each case runs a copy of the plug-in in a folder of its own.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "platform/win32/WinBase.h"
#include "tests/app/PlugInTest.h"
#include "tests/support/TempFolder.h"

namespace apptest {
namespace {

namespace fs = std::filesystem;

// A copy of the plug-in in a temporary folder of its own, with language modules placed around it.
class Installation {
 public:
  // Places the German module (as the build puts it next to the plug-in), or a file that is no
  // module, at the path below the folder.
  void Place(const fs::path& relative, bool german = true) {
    const fs::path target = folder_.Root() / relative;
    fs::create_directories(target.parent_path());
    if (german) {
      fs::copy_file(LoadedPlugIn::BuiltPath().parent_path() / "de" / "TagProperties.so-mui.dll", target);
    } else {
      std::ofstream(target) << "not a module";
    }
  }
  // Copies the plug-in to this path below the folder and loads it, through a link at the second
  // path when one is given; it starts with the host's current language.
  LoadedPlugIn& Load(const fs::path& relative = "TagProperties.so", const fs::path& link = {}) {
    const fs::path root = folder_.Root();
    for (const fs::path& path : {relative, link}) fs::create_directories((root / path).parent_path());
    fs::copy_file(LoadedPlugIn::BuiltPath(), root / relative);
    if (!link.empty()) fs::create_symlink(root / relative, root / link);
    return plugIn_.emplace(root / (link.empty() ? relative : link));
  }
  void Unload() { plugIn_.reset(); }

 private:
  support::TempFolder folder_;
  std::optional<LoadedPlugIn> plugIn_;
};

class LanguageTest : public PlugInTest {
 protected:
  void SetUp() override { host().AddTag(u"Tank", 1); }
  void SetHostLanguage(const std::string& code) { project.SetSetting("Language", "Current", code); }
  void ExpectGerman() { ExpectSheet(kGermanNumericPages, kGermanCaption); }
  void ExpectEnglish() { ExpectSheet(kEnglishNumericPages); }
};

TEST_F(LanguageTest, ResourceModuleIsLookedForByCodeFolderAndFileName) {
  struct Case {
    const char* what;
    const char* library;
    const char* code;
    const char* german;     // where the German module lies
    const char* notModule;  // where a file lies that cannot be loaded
    bool expectGerman;
    const char* link = "";  // loaded through a link here to the library, when given
  };
  const Case cases[] = {
      {"en-US is built in", "TagProperties.so", "en-US", "en-US/TagProperties.so-mui.dll", nullptr, false},
      {"in any case", "TagProperties.so", "EN-us", "en/TagProperties.so-mui.dll", nullptr, false},
      {"prefix folder", "TagProperties.so", "de-DE", "de/TagProperties.so-mui.dll", nullptr, true},
      {"two segments down", "TagProperties.so", "de-CH-x", "de/TagProperties.so-mui.dll", nullptr, true},
      {"full code wins", "TagProperties.so", "de-CH", "de-CH/TagProperties.so-mui.dll", "de/TagProperties.so-mui.dll",
       true},
      {"only the first folder found is tried", "TagProperties.so", "de-CH", "de/TagProperties.so-mui.dll",
       "de-CH/TagProperties.so-mui.dll", false},
      {"no folder: next to the library", "TagProperties.so", "pt-BR", "TagProperties.so-mui.dll", nullptr, true},
      {"a folder without the module", "TagProperties.so", "de-DE", "TagProperties.so-mui.dll", "de/other.txt", false},
      {"nothing at all", "TagProperties.so", "fr-FR", nullptr, nullptr, false},
      {"dll folds", "Editor.dll", "de-DE", "de/Editor-DLL-mui.dll", nullptr, true},
      {"ocx folds in any case", "Editor.Ocx", "de-DE", "de/Editor-OCX-mui.dll", nullptr, true},
      {"exe folds", "Editor.exe", "de-DE", "de/Editor-EXE-mui.dll", nullptr, true},
      {"other extensions stay", "Editor.bin", "de-DE", "de/Editor.bin-mui.dll", nullptr, true},
      {"the long form of a linked path", "real/TagProperties.so", "de-DE", "real/de/TagProperties.so-mui.dll", nullptr,
       true, "linked/TagProperties.so"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Installation installation;
    if (c.german != nullptr) installation.Place(c.german);
    if (c.notModule != nullptr) installation.Place(c.notModule, false);
    SetHostLanguage(c.code);
    c.expectGerman ? ExpectGerman() : ExpectEnglish();
    EXPECT_EQ(installation.Load(c.library, c.link).TagProperties(u"Tank"), 1);
  }
}

TEST_F(LanguageTest, AtMostOneLanguageModuleIsLoaded) {
  Installation installation;
  installation.Place("de/TagProperties.so-mui.dll");
  LoadedPlugIn& plugIn = installation.Load();
  const char16_t kModule[] = u"TagProperties.so-mui.dll";
  ASSERT_EQ(GetModuleHandleW(kModule), nullptr);

  plugIn.SetLanguage(u"de-DE");
  plugIn.SetLanguage(u"de-DE");
  ExpectGerman();
  EXPECT_EQ(plugIn.TagProperties(u"Tank"), 1);
  plugIn.SetLanguage(u"en-US");
  EXPECT_EQ(GetModuleHandleW(kModule), nullptr) << "applying twice left a module loaded";
  ExpectEnglish();
  EXPECT_EQ(plugIn.TagProperties(u"Tank"), 1);

  plugIn.SetLanguage(u"de-DE");
  EXPECT_NE(GetModuleHandleW(kModule), nullptr);
  installation.Unload();
  EXPECT_EQ(GetModuleHandleW(kModule), nullptr) << "unloading the plug-in kept its language module";
}

// A host other than the host's own manager is asked once, at loading; later changes are not followed.
TEST_F(LanguageTest, AnyOtherHostIsAskedOnce) {
  SetHostLanguage("de-DE");
  LoadedPlugIn plugIn;
  host().SetLanguage(u"en-US");
  ExpectGerman();
  EXPECT_EQ(plugIn.TagProperties(u"Tank"), 1);
}

}  // namespace
}  // namespace apptest
