#include <gtest/gtest.h>

#include <algorithm>

#include "platform/win32/Modules.h"
#include "platform/win32/TextConversion.h"
#include <windows.h>
#include "resources/TestIds.h"

namespace {

int attaches = 0;
int detaches = 0;
BOOL acceptAttach = TRUE;
HINSTANCE lastInstance = nullptr;

const std::u16string kModulePath = platform::Utf8ToUtf16(TEST_MODULE_PATH);

std::u16string WithBackslashes(std::u16string path) {
  std::replace(path.begin(), path.end(), u'/', u'\\');
  return path;
}

std::u16string FileNameOf(HMODULE module) {
  WCHAR buffer[1024] = {};
  return std::u16string(buffer, GetModuleFileNameW(module, buffer, 1024));
}

}  // namespace

extern "C" BOOL RecordModuleEvent(HINSTANCE module, DWORD reason) {
  lastInstance = module;
  (reason == DLL_PROCESS_ATTACH ? attaches : detaches) += 1;
  return acceptAttach;
}

namespace {

TEST(Modules, EntryPointRunsOnFirstLoadAndLastFree) {
  attaches = detaches = 0;
  const HMODULE first = LoadLibraryW(WithBackslashes(kModulePath).c_str());
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(lastInstance, first);
  const HMODULE second = LoadLibraryW(kModulePath.c_str());
  EXPECT_EQ(second, first);
  EXPECT_EQ(std::make_pair(attaches, detaches), std::make_pair(1, 0));
  EXPECT_TRUE(FreeLibrary(second));
  EXPECT_EQ(std::make_pair(attaches, detaches), std::make_pair(1, 0));
  EXPECT_TRUE(FreeLibrary(first));
  EXPECT_EQ(std::make_pair(attaches, detaches), std::make_pair(1, 1));
  EXPECT_FALSE(FreeLibrary(first));  // the handle died with the last free
  WCHAR buffer[16];
  EXPECT_EQ(LoadStringW(first, IDS_MODULE, buffer, 16), 0);

  acceptAttach = FALSE;
  EXPECT_EQ(LoadLibraryW(kModulePath.c_str()), nullptr);
  EXPECT_EQ(std::make_pair(attaches, detaches), std::make_pair(2, 2));  // a refused attach is detached
  acceptAttach = TRUE;
  EXPECT_EQ(LoadLibraryW(u"no-such-module.so"), nullptr);
}

TEST(Modules, AModuleHasItsOwnExportsResourcesAndFileName) {
  const HMODULE module = LoadLibraryW(kModulePath.c_str());
  ASSERT_NE(module, nullptr);
  using SelfProc = HMODULE (*)();
  const auto self = reinterpret_cast<SelfProc>(GetProcAddress(module, "TestModuleSelf"));
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(self(), module);
  EXPECT_EQ(GetProcAddress(module, "NoSuchExport"), nullptr);
  EXPECT_EQ(GetProcAddress(module, "LoadLibraryW"), nullptr);  // exported by a library it uses, not by it
  EXPECT_EQ(GetModuleHandleW(u"win32_test_module.so"), module);

  WCHAR text[32] = {};
  EXPECT_EQ(LoadStringW(module, IDS_MODULE, text, 32), 15);
  EXPECT_EQ(std::u16string(text), u"from the module");
  EXPECT_EQ(LoadStringW(nullptr, IDS_TITLE, text, 32), 14);  // the program's own
  EXPECT_EQ(std::u16string(text), u"Tag Properties");
  EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(IDD_PLAIN), RT_DIALOG), nullptr);

  EXPECT_EQ(FileNameOf(module), kModulePath);
  EXPECT_TRUE(FreeLibrary(module));
}

}  // namespace
