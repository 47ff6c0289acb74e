#include <gtest/gtest.h>

#include "TestDialog.h"

using testing_win32::Event;
using testing_win32::SelectionOf;
using testing_win32::TestDialog;

namespace {

// A dialog with a property page inside, as a property sheet holds one:
//   20 edit, 21 static (no tab stop), 22 hidden edit, 23 disabled edit,
//   page { 11 edit, 12 check box }, OK (the default button), Cancel
struct SheetLikeDialog {
  TestDialog dialog;
  HWND page = nullptr;
  SheetLikeDialog() {
    dialog.Add(u"Edit", 20, WS_TABSTOP, u"one");
    dialog.Add(u"Static", 21, 0);
    ShowWindow(dialog.Add(u"Edit", 22, WS_TABSTOP), SW_HIDE);
    dialog.Add(u"Edit", 23, WS_TABSTOP | WS_DISABLED);
    page = CreateWindowExW(WS_EX_CONTROLPARENT, u"#32770", u"", WS_CHILD | WS_VISIBLE | DS_CONTROL, 0, 0, 10, 10,
                           dialog.hwnd(), reinterpret_cast<HMENU>(10), nullptr, nullptr);
    dialog.Add(u"Edit", 11, WS_TABSTOP, u"eleven", page);
    dialog.Add(u"Button", 12, BS_AUTOCHECKBOX | WS_TABSTOP, u"", page);
    dialog.Add(u"Button", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, u"OK");
    dialog.Add(u"Button", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, u"Cancel");
  }
};

TEST(DialogKeyboard, TabVisitsVisibleEnabledTabStopsInOrderIntoPagesAndWraps) {
  struct Case {
    const char* name;
    bool shift;
    bool hidePage;
    std::vector<int> visited;
  };
  const Case cases[] = {
      {"forward", false, false, {11, 12, IDOK, IDCANCEL, 20, 11}},
      {"backward", true, false, {IDCANCEL, IDOK, 12, 11, 20, IDCANCEL}},
      {"hidden page skipped", false, true, {IDOK, IDCANCEL, 20, IDOK}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SheetLikeDialog sheet;
    if (c.hidePage) ShowWindow(sheet.page, SW_HIDE);
    SetFocus(GetDlgItem(sheet.dialog.hwnd(), 20));
    std::vector<int> visited;
    for (size_t i = 0; i < c.visited.size(); ++i) {
      sheet.dialog.Press(VK_TAB, c.shift);
      visited.push_back(GetDlgCtrlID(GetFocus()));
    }
    EXPECT_EQ(visited, c.visited);
  }
}

TEST(DialogKeyboard, TabbingIntoAnEditSelectsItsWholeText) {
  SheetLikeDialog sheet;
  SetFocus(GetDlgItem(sheet.dialog.hwnd(), 20));
  sheet.dialog.Press(VK_TAB);
  const HWND edit = GetDlgItem(sheet.page, 11);
  ASSERT_EQ(GetFocus(), edit);
  EXPECT_EQ(SelectionOf(edit), std::make_pair(DWORD{0}, DWORD{6}));
  sheet.dialog.Type(u"x");
  EXPECT_EQ(testing_win32::TextOf(edit), u"x");
}

TEST(DialogKeyboard, EnterAndEscapeSendTheirCommandsWithoutMovingTheFocus) {
  struct Case {
    const char* name;
    int key;
    int focusId;  // in the page when above 10
    int setDefId;  // 0: leave the default button to the template
    bool noDefaultButton;
    std::vector<Event> expected;
  };
  const Case cases[] = {
      {"enter in an edit: the default button", VK_RETURN, 20, 0, false, {{IDOK, BN_CLICKED}}},
      {"enter in a page", VK_RETURN, 11, 0, false, {{IDOK, BN_CLICKED}}},
      {"enter after DM_SETDEFID", VK_RETURN, 20, IDCANCEL, false, {{IDCANCEL, BN_CLICKED}}},
      {"enter on a focused push button", VK_RETURN, IDCANCEL, 0, false, {{IDCANCEL, BN_CLICKED}}},
      {"enter with no default button", VK_RETURN, 20, 0, true, {{IDOK, BN_CLICKED}}},
      {"escape", VK_ESCAPE, 11, 0, false, {{IDCANCEL, BN_CLICKED}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SheetLikeDialog sheet;
    const HWND dialog = sheet.dialog.hwnd();
    if (c.setDefId) SendMessageW(dialog, DM_SETDEFID, static_cast<WPARAM>(c.setDefId), 0);
    if (c.noDefaultButton) SetWindowLongPtrW(GetDlgItem(dialog, IDOK), GWL_STYLE, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
    const HWND focus = GetDlgItem(c.focusId > 10 ? sheet.page : dialog, c.focusId);
    SetFocus(focus);
    sheet.dialog.events.clear();
    sheet.dialog.Press(c.key);
    EXPECT_EQ(sheet.dialog.events, c.expected);
    EXPECT_EQ(GetFocus(), focus);
  }
}

TEST(DialogKeyboard, ADisabledDefaultButtonIgnoresEnter) {
  SheetLikeDialog sheet;
  EnableWindow(GetDlgItem(sheet.dialog.hwnd(), IDOK), FALSE);
  SetFocus(GetDlgItem(sheet.dialog.hwnd(), 20));
  sheet.dialog.events.clear();
  sheet.dialog.Press(VK_RETURN);
  EXPECT_TRUE(sheet.dialog.events.empty());
}

TEST(DialogKeyboard, TheTabControlAsksItsParentBeforeSwitching) {
  for (const LRESULT refuse : {LRESULT{0}, LRESULT{1}}) {
    SCOPED_TRACE(refuse);
    TestDialog dialog;
    const HWND tabs = dialog.Add(WC_TABCONTROLW, 7, WS_TABSTOP);
    for (const char16_t* title : {u"One", u"Two"}) {
      TCITEMW item{TCIF_TEXT, 0, 0, const_cast<LPWSTR>(title), 0, 0, 0};
      SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)),
                   reinterpret_cast<LPARAM>(&item));
    }
    dialog.selChangingAnswer = refuse;
    SetFocus(tabs);
    dialog.Press(VK_RIGHT);
    const int selChanging = static_cast<int>(TCN_SELCHANGING);
    const int selChange = static_cast<int>(TCN_SELCHANGE);
    const std::vector<Event> refused{{7, selChanging}};
    const std::vector<Event> switched{{7, selChanging}, {7, selChange}};
    EXPECT_EQ(dialog.events, refuse ? refused : switched);
    EXPECT_EQ(SendMessageW(tabs, TCM_GETCURSEL, 0, 0), refuse ? 0 : 1);
    WCHAR title[8] = {};
    TCITEMW read{TCIF_TEXT, 0, 0, title, 8, 0, 0};
    SendMessageW(tabs, TCM_GETITEMW, 1, reinterpret_cast<LPARAM>(&read));
    EXPECT_EQ(std::u16string(title), u"Two");
  }
}

}  // namespace
