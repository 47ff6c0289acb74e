#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/DialogTemplate.h"
#include "resources/TestIds.h"

using platform::DialogTemplate;

namespace {

std::pair<const BYTE*, DWORD> DialogResource(LPCWSTR name) {
  const HMODULE self = GetModuleHandleW(nullptr);
  const HRSRC resource = FindResourceW(self, name, RT_DIALOG);
  return {static_cast<const BYTE*>(LockResource(LoadResource(self, resource))), SizeofResource(self, resource)};
}

TEST(DialogTemplate, BothFormsReadAsTheCompilerWroteThem) {
  const auto [plainData, plainSize] = DialogResource(MAKEINTRESOURCEW(IDD_PLAIN));
  const auto plain = DialogTemplate::Read(plainData, plainSize);
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->extended);
  EXPECT_EQ(plain->style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_SETFONT));
  EXPECT_EQ(plain->title, u"Plain dialog");
  EXPECT_EQ(plain->typeface, u"MS Sans Serif");
  EXPECT_EQ(plain->pointSize, 8);
  EXPECT_EQ(std::make_tuple(plain->x, plain->y, plain->cx, plain->cy), std::make_tuple(10, 20, 200, 100));

  struct Item {
    const char16_t* className;
    DWORD id;
    const char16_t* text;
    DWORD type;
    short x;
  };
  const Item items[] = {
      {u"Static", 0xFFFF, u"&Name:", SS_LEFT, 7},
      {u"Edit", IDC_NAME, u"", ES_AUTOHSCROLL, 44},
      {u"Button", IDC_CHECK, u"&Check", BS_AUTOCHECKBOX, 7},
      {u"ComboBox", IDC_COMBO, u"", CBS_DROPDOWNLIST, 7},
      {u"SYSTABCONTROL32", IDC_TABS, u"Tabs", 0, 100},  // the compiler upper-cases class names
      {u"Button", IDOK, u"OK", BS_DEFPUSHBUTTON, 51},
      {u"Button", IDCANCEL, u"Cancel", BS_PUSHBUTTON, 108},
  };
  ASSERT_EQ(plain->items.size(), std::size(items));
  for (size_t i = 0; i < std::size(items); ++i) {
    SCOPED_TRACE(i);
    const auto& item = plain->items[i];
    EXPECT_EQ(item.className, items[i].className);
    EXPECT_EQ(item.id, items[i].id);
    EXPECT_EQ(item.text, items[i].text);
    EXPECT_EQ(item.style & 0xFF, items[i].type);
    EXPECT_TRUE(item.style & WS_CHILD);
    EXPECT_EQ(item.x, items[i].x);
  }

  const auto [extendedData, extendedSize] = DialogResource(MAKEINTRESOURCEW(IDD_EXTENDED));
  const auto extended = DialogTemplate::Read(extendedData, extendedSize);
  ASSERT_TRUE(extended);
  EXPECT_TRUE(extended->extended);
  EXPECT_EQ(extended->style, static_cast<DWORD>(WS_CHILD | WS_CAPTION | DS_CONTROL | DS_SETFONT));  // CAPTION adds WS_CAPTION
  EXPECT_EQ(extended->exStyle, 4u);
  EXPECT_EQ(extended->title, u"Page \u00fc");
  EXPECT_EQ(std::make_tuple(extended->pointSize, extended->weight, extended->italic), std::make_tuple(9, 700, true));
  EXPECT_EQ(extended->typeface, u"Segoe UI");
  ASSERT_EQ(extended->items.size(), 1u);
  EXPECT_EQ(extended->items[0].id, static_cast<DWORD>(IDC_PAGE_EDIT));  // ids of the extended form have 32 bits
  EXPECT_EQ(extended->items[0].style & ES_READONLY, static_cast<DWORD>(ES_READONLY));
}

TEST(DialogTemplate, ACutTemplateIsRefusedNotOverread) {
  for (LPCWSTR name : {MAKEINTRESOURCEW(IDD_PLAIN), MAKEINTRESOURCEW(IDD_EXTENDED)}) {
    const auto [data, size] = DialogResource(name);
    ASSERT_NE(data, nullptr);
    for (DWORD cut = 0; cut + 2 < size; ++cut) {  // the last item may end in padding
      const std::vector<BYTE> copy(data, data + cut);
      EXPECT_FALSE(DialogTemplate::Read(copy.data(), copy.size())) << cut;
    }
  }
}

}  // namespace
