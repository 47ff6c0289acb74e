// The built-in English resources and the German language module must hold the same dialogs and
// strings: every id that resource.h names, the same controls in the same order and places, the
// same combo-box items per control, and the same format conversions in every string.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/DialogTemplate.h"
#include "platform/win32/DlgInit.h"
#include "platform/win32/TextConversion.h"
#include "platform/win32/WinBase.h"
#include "res/resource.h"

namespace {

struct NamedId {
  std::string name;
  UINT id = 0;
};

struct HeaderIds {
  std::vector<NamedId> dialogs;
  std::vector<NamedId> strings;
  std::vector<NamedId> controls;
};

// Read from the header itself, so that an id added there is checked without touching this test.
HeaderIds ReadHeader() {
  HeaderIds ids;
  std::ifstream in(RESOURCE_HEADER_PATH);
  const std::regex define(R"(^#define\s+(\w+)\s+(0x[0-9A-Fa-f]+|\d+)\s*$)");
  std::string line;
  std::smatch match;
  while (std::getline(in, line)) {
    if (!std::regex_match(line, match, define)) continue;
    const NamedId entry{match[1], static_cast<UINT>(std::stoul(match[2], nullptr, 0))};
    if (entry.name.starts_with("IDD_")) ids.dialogs.push_back(entry);
    if (entry.name.starts_with("IDS_") || entry.name.starts_with("AFX_IDS_") || entry.name.starts_with("AFX_IDP_")) {
      ids.strings.push_back(entry);
    }
    if (entry.name.starts_with("IDC_")) ids.controls.push_back(entry);
  }
  return ids;
}

std::pair<const BYTE*, DWORD> Resource(HMODULE module, UINT id, LPCWSTR type) {
  const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (resource == nullptr) return {nullptr, 0};
  return {static_cast<const BYTE*>(LockResource(LoadResource(module, resource))), SizeofResource(module, resource)};
}

std::optional<platform::DialogTemplate> Dialog(HMODULE module, UINT id) {
  const auto [data, size] = Resource(module, id, RT_DIALOG);
  if (data == nullptr) return std::nullopt;
  return platform::DialogTemplate::Read(data, size);
}

std::u16string String(HMODULE module, UINT id) {
  WCHAR buffer[1024];
  const int length = LoadStringW(module, id, buffer, 1024);
  return std::u16string(buffer, length);
}

struct ComboItem {
  WORD control = 0;
  std::string text;
};

// The combo-box items of the dialog's initial data; nothing when an entry is not an item or the
// data holds more than its entries.
std::optional<std::vector<ComboItem>> ComboItems(HMODULE module, UINT dialog) {
  const auto [data, size] = Resource(module, dialog, RT_DLGINIT);
  const platform::DlgInit init = platform::DlgInit::Read(data, size);
  std::vector<ComboItem> items;
  size_t used = 2;  // the closing zero
  for (const platform::DlgInitEntry& entry : init.entries) {
    if (entry.message != 0x0403 || entry.length == 0 || entry.data[entry.length - 1] != 0) return std::nullopt;
    items.push_back({entry.control, std::string(reinterpret_cast<const char*>(entry.data), entry.length - 1)});
    used += 8 + entry.length;
  }
  if (data != nullptr && used != size) return std::nullopt;
  return items;
}

// The access key of a control text ("&&" is a plain ampersand), folded to one case; 0 for none.
char16_t Mnemonic(std::u16string_view text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != u'&') continue;
    if (text[i + 1] != u'&') return platform::FoldCase(text[i + 1]);
    ++i;
  }
  return 0;
}

// The printf conversions of a string in order ("%d"), flags and widths included.
std::vector<std::u16string> Conversions(std::u16string_view text) {
  std::vector<std::u16string> found;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'%') continue;
    size_t end = i + 1;
    const auto isLetter = [](char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); };
    while (end < text.size() && !isLetter(text[end]) && text[end] != u'%') ++end;
    if (end < text.size() && text[end] != u'%') found.emplace_back(text.substr(i, end - i + 1));
    i = end;
  }
  return found;
}

class LanguageResources : public testing::Test {
 protected:
  void SetUp() override {
    german_ = LoadLibraryW(platform::Utf8ToUtf16(GERMAN_MODULE_PATH).c_str());
    ASSERT_NE(german_, nullptr) << GERMAN_MODULE_PATH;
  }
  void TearDown() override {
    if (german_ != nullptr) FreeLibrary(german_);
  }

  const HeaderIds ids_ = ReadHeader();
  const HMODULE english_ = GetModuleHandleW(nullptr);
  HMODULE german_ = nullptr;
};

// Every control id of the header is used by an English dialog.
TEST_F(LanguageResources, EveryDialogAndStringOfTheHeaderIsInBothLanguages) {
  ASSERT_EQ(ids_.dialogs.size(), 9u);
  ASSERT_GE(ids_.strings.size(), 14u);
  std::set<UINT> used;
  for (const HMODULE module : {english_, german_}) {
    SCOPED_TRACE(module == english_ ? "English" : "German");
    for (const auto& dialog : ids_.dialogs) {
      const auto found = Dialog(module, dialog.id);
      ASSERT_TRUE(found) << dialog.name;
      if (module == english_) for (const auto& item : found->items) used.insert(item.id);
    }
    for (const auto& string : ids_.strings) EXPECT_NE(String(module, string.id), u"") << string.name;
  }
  for (const auto& control : ids_.controls) EXPECT_TRUE(used.count(control.id)) << control.name;
}

// The combo-box items are per control the same in both.
TEST_F(LanguageResources, TranslatedDialogsKeepControlsLayoutComboItemsAndUniqueAccessKeys) {
  for (const auto& dialog : ids_.dialogs) {
    SCOPED_TRACE(dialog.name);
    const auto english = Dialog(english_, dialog.id);
    const auto german = Dialog(german_, dialog.id);
    ASSERT_TRUE(english && german);
    EXPECT_EQ(german->style, english->style);
    EXPECT_EQ(std::make_pair(german->cx, german->cy), std::make_pair(english->cx, english->cy));
    EXPECT_EQ(german->pointSize, english->pointSize);
    EXPECT_EQ(german->typeface, english->typeface);
    EXPECT_NE(german->title, u"");
    ASSERT_EQ(german->items.size(), english->items.size());
    std::set<char16_t> keys;
    for (size_t i = 0; i < english->items.size(); ++i) {
      const auto& en = english->items[i];
      const auto& de = german->items[i];
      SCOPED_TRACE(platform::Utf16ToUtf8(en.text) + " / " + platform::Utf16ToUtf8(de.text));
      EXPECT_EQ(de.id, en.id);
      EXPECT_EQ(de.className, en.className);
      EXPECT_EQ(de.style, en.style);
      EXPECT_EQ(std::vector<short>({de.x, de.y, de.cx, de.cy}), std::vector<short>({en.x, en.y, en.cx, en.cy}));
      EXPECT_EQ(de.text.empty(), en.text.empty());
      const char16_t key = Mnemonic(de.text);
      EXPECT_EQ(key != 0, Mnemonic(en.text) != 0);
      if (key != 0) {
        EXPECT_TRUE(keys.insert(key).second) << "access key used twice";
      }
    }
    const auto englishItems = ComboItems(english_, dialog.id);
    const auto germanItems = ComboItems(german_, dialog.id);
    ASSERT_TRUE(englishItems && germanItems);
    ASSERT_EQ(germanItems->size(), englishItems->size());
    for (size_t i = 0; i < englishItems->size(); ++i) {
      EXPECT_EQ((*germanItems)[i].control, (*englishItems)[i].control);
      EXPECT_NE((*germanItems)[i].text, "");
    }
  }
  const auto items = ComboItems(english_, IDD_VELTRIX_INTEGRATION);
  ASSERT_TRUE(items);
  EXPECT_EQ(items->size(), 7u);
}

TEST_F(LanguageResources, TranslatedStringsKeepTheirFormatConversions) {
  for (const auto& string : ids_.strings) {
    SCOPED_TRACE(string.name);
    EXPECT_EQ(Conversions(String(german_, string.id)), Conversions(String(english_, string.id)));
  }
  EXPECT_EQ(Conversions(String(english_, IDS_MAX_DB_POINTS_EXCEEDED)), std::vector<std::u16string>{u"%d"});
}

}  // namespace
