#include "platform/driver/UserTest.h"
#include <afxdlgs.h>

namespace {

class ModuleTest : public driver::UserTest {
 protected:
  template <typename Function>
  Function* Export(HMODULE module, const char* name) {
    // Through void(*)(), the one function type that converts to any other without a warning.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
  }
};

std::u16string Path(const char* path) { return std::u16string(path, path + std::char_traits<char>::length(path)); }

TEST_F(ModuleTest, ApplicationStartsAndEndsWithTheModuleAndExportsUseItsState) {
  user.ExpectBox(u"InitInstance");
  HMODULE module = LoadLibraryW(Path(TEST_MODULE_PATH).c_str());
  ASSERT_NE(module, nullptr);
  ASSERT_EQ(user.ShownBoxes().size(), 1u);
  EXPECT_EQ(user.ShownBoxes()[0].caption, u"Module Title");

  // The executable keeps its own state: no application, its own resources.
  EXPECT_EQ(AfxGetApp(), nullptr);
  EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));

  auto* appName = Export<const WCHAR*()>(module, "ModuleAppName");
  auto* showText = Export<int()>(module, "ModuleShowText");
  auto* useResources = Export<void(HMODULE)>(module, "ModuleUseResources");
  auto* runDialog = Export<INT_PTR()>(module, "ModuleRunDialog");
  ASSERT_TRUE(appName && showText && useResources && runDialog);
  EXPECT_EQ(std::u16string(appName()), u"Module Title");
  user.ExpectBox(u"Text of the module");
  EXPECT_EQ(showText(), IDOK);
  EXPECT_EQ(user.ShownBoxes().back().caption, u"Module Title");

  // A language resource module takes over dialogs and strings, and hands them back.
  HMODULE language = LoadLibraryW(Path(TEST_LANGUAGE_PATH).c_str());
  ASSERT_NE(language, nullptr);
  useResources(language);
  user.ExpectBox(u"Text der Sprache");
  showText();
  std::u16string title;
  user.OnModal([&](driver::Driver& d) {
    title = d.Title();
    d.Ok();
  });
  EXPECT_EQ(runDialog(), IDOK);
  EXPECT_EQ(title, u"Sprachdialog");
  useResources(nullptr);
  FreeLibrary(language);
  user.ExpectBox(u"Text of the module");
  showText();

  user.ExpectBox(u"ExitInstance");
  EXPECT_TRUE(FreeLibrary(module));
  EXPECT_EQ(user.ShownBoxes().back().text, u"ExitInstance");
  EXPECT_EQ(AfxGetApp(), nullptr);
}

TEST(ModuleStateTest, SwitchingIsUndoneWhenTheScopeEnds) {
  AFX_MODULE_STATE other;
  other.m_hCurrentResourceHandle = reinterpret_cast<HINSTANCE>(0x1234);
  {
    AFX_MANAGE_STATE(&other);
    EXPECT_EQ(AfxGetModuleState(), &other);
    EXPECT_EQ(AfxGetResourceHandle(), reinterpret_cast<HINSTANCE>(0x1234));
    {
      AFX_MANAGE_STATE(AfxGetAppModuleState());
      EXPECT_EQ(AfxGetResourceHandle(), GetModuleHandleW(nullptr));
    }
    EXPECT_EQ(AfxGetModuleState(), &other);
  }
  EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
}

}  // namespace
