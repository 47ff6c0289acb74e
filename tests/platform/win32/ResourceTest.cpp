#include <gtest/gtest.h>

#include "TestDialog.h"
#include "platform/win32/DlgInit.h"
#include "platform/win32/FrontEnd.h"
#include "platform/win32/ResourceTable.h"
#include "platform/win32/StringTableBlock.h"
#include "resources/TestIds.h"

// The test program's own embedded resources.
extern "C" const BYTE win32_resources[];
extern "C" const std::uint32_t win32_resources_size;

namespace {

TEST(Resources, LoadStringReadsTheBlocksOfSixteen) {
  struct Case {
    UINT id;
    int capacity;
    const char16_t* expected;
    int result;
  };
  const Case cases[] = {
      {IDS_TITLE, 64, u"Tag Properties", 14},
      {IDS_TITLE, 4, u"Tag", 3},  // cut to the buffer, terminator included
      {IDS_SECOND_BLOCK, 64, u"Gr\u00fc\u00dfe, \"quoted\"", 15},
      {2, 64, u"", 0},    // a gap in a block
      {500, 64, u"", 0},  // no such block
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    WCHAR buffer[64] = {u'x'};
    EXPECT_EQ(LoadStringW(nullptr, c.id, buffer, c.capacity), c.result);
    EXPECT_EQ(std::u16string(buffer), c.expected);
  }
  const WCHAR* direct = nullptr;
  EXPECT_EQ(LoadStringW(nullptr, IDS_TITLE, reinterpret_cast<LPWSTR>(&direct), 0), 14);
  EXPECT_EQ(std::u16string(direct, 14), u"Tag Properties");
}

TEST(Resources, FindResourceTakesNumbersNamesAndHashNumbers) {
  const HMODULE self = GetModuleHandleW(nullptr);
  EXPECT_NE(FindResourceW(self, u"named", RT_DIALOG), nullptr);
  EXPECT_NE(FindResourceW(self, u"#100", RT_DIALOG), nullptr);
  EXPECT_EQ(FindResourceW(self, u"#100", u"#240"), FindResourceW(self, MAKEINTRESOURCEW(IDD_PLAIN), RT_DLGINIT));
  EXPECT_EQ(FindResourceW(self, u"other", RT_DIALOG), nullptr);
  EXPECT_EQ(FindResourceW(self, MAKEINTRESOURCEW(IDD_PLAIN), RT_STRING), nullptr);
  EXPECT_EQ(FindResourceW(reinterpret_cast<HMODULE>(0x1234), MAKEINTRESOURCEW(IDD_PLAIN), RT_DIALOG), nullptr);
}

// A front end that plays the user: it checks what the modal loop sees, then presses OK.
class PressOk : public platform::FrontEnd {
 public:
  void RunModal(HWND dialog) override {
    ownerEnabledDuringLoop = IsWindowEnabled(GetParent(dialog));
    visibleDuringLoop = IsWindowVisible(dialog);
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
  }
  int ShowMessageBox(HWND, const std::u16string& text, const std::u16string& caption, UINT type) override {
    boxes.push_back(caption + u": " + text);
    return type == MB_OK ? IDOK : IDCANCEL;
  }
  bool ownerEnabledDuringLoop = true;
  bool visibleDuringLoop = false;
  std::vector<std::u16string> boxes;
};

INT_PTR CALLBACK EndOnCommand(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(dialog, LOWORD(wParam) == IDOK ? 42 : 7);
    return TRUE;
  }
  return FALSE;
}

TEST(Resources, AModalDialogRunsThroughTheFrontEndOverADisabledOwner) {
  testing_win32::TestDialog owner;
  PressOk user;
  platform::FrontEnd* previous = platform::SetFrontEnd(&user);
  EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(IDD_PLAIN), owner.hwnd(), EndOnCommand, 0), 42);
  EXPECT_FALSE(user.ownerEnabledDuringLoop);
  EXPECT_TRUE(user.visibleDuringLoop);
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
  EXPECT_EQ(GetForegroundWindow(), owner.hwnd());
  EXPECT_EQ(MessageBoxW(owner.hwnd(), u"Saved.", u"Tag Properties", MB_OK), IDOK);
  EXPECT_EQ(user.boxes, std::vector<std::u16string>{u"Tag Properties: Saved."});
  EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(999), owner.hwnd(), EndOnCommand, 0), -1);
  platform::SetFrontEnd(previous);

  // With no front end nobody can answer: the dialog ends as cancelled, the box counts as read.
  testing::internal::CaptureStderr();
  EXPECT_EQ(DialogBoxParamW(nullptr, MAKEINTRESOURCEW(IDD_PLAIN), owner.hwnd(), nullptr, 0), IDCANCEL);
  EXPECT_EQ(MessageBoxW(nullptr, u"Hello", nullptr, MB_OK), IDOK);
  const std::string printed = testing::internal::GetCapturedStderr();
  EXPECT_NE(printed.find("Plain dialog"), std::string::npos);
  EXPECT_NE(printed.find("Hello"), std::string::npos);
  EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
}

TEST(Resources, ACutResourceFileYieldsItsWholeEntriesOnly) {
  const std::vector<BYTE> image(win32_resources, win32_resources + win32_resources_size);
  const size_t all = platform::ResourceTable::Read(image.data(), image.size()).size();
  EXPECT_EQ(all, 6u);  // three dialogs, the combo data, two string blocks
  size_t previous = 0;
  for (size_t cut = 0; cut < image.size(); ++cut) {
    const std::vector<BYTE> copy(image.begin(), image.begin() + static_cast<long>(cut));
    const size_t entries = platform::ResourceTable::Read(copy.data(), copy.size()).size();
    EXPECT_GE(entries, previous);
    EXPECT_LT(entries, all + (cut + 4 >= image.size() ? 1 : 0));
    previous = entries;
  }
}

TEST(Resources, DamagedInitialDataAndStringBlocksEndWhereTheirBytesDo) {
  struct DlgInitCase {
    const char* what;
    std::vector<BYTE> bytes;
    size_t entries;
  };
  const DlgInitCase inits[] = {
      {"two entries and the closing zero", {1, 0, 3, 4, 1, 0, 0, 0, 'a', 2, 0, 3, 4, 0, 0, 0, 0, 0, 0}, 2},
      {"no closing zero", {1, 0, 3, 4, 2, 0, 0, 0, 'a', 'b'}, 1},
      {"data past the end", {1, 0, 3, 4, 3, 0, 0, 0, 'a', 'b'}, 0},
      // 9 + 0xFFFFFFF8 wraps to 1 in 32 bits: it must still be seen as past the end.
      {"a length that wraps", {1, 0, 3, 4, 0xF8, 0xFF, 0xFF, 0xFF, 'a'}, 0},
      {"a cut header", {1, 0, 3, 4, 1}, 0},
  };
  for (const DlgInitCase& c : inits) {
    SCOPED_TRACE(c.what);
    const platform::DlgInit init = platform::DlgInit::Read(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(init.entries.size(), c.entries);
    for (const platform::DlgInitEntry& entry : init.entries) {
      EXPECT_LE(entry.data + entry.length, c.bytes.data() + c.bytes.size());
    }
  }
  // Strings 0 ("", a gap) and 1 ("ab"), then a length word that claims more than is left.
  alignas(2) const BYTE block[] = {0, 0, 2, 0, 'a', 0, 'b', 0, 9, 0, 'c', 0};
  EXPECT_EQ(platform::StringTableBlock::Find(block, sizeof block, 0), std::u16string_view());
  EXPECT_EQ(platform::StringTableBlock::Find(block, sizeof block, 1), u"ab");
  EXPECT_EQ(platform::StringTableBlock::Find(block, sizeof block, 2), std::nullopt);
  EXPECT_EQ(platform::StringTableBlock::Find(block, 3, 1), std::nullopt) << "a cut length word";
  EXPECT_EQ(platform::StringTableBlock::Find(block, sizeof block, 16), std::nullopt);
}

}  // namespace
