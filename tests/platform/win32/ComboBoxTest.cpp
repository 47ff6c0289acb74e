#include <gtest/gtest.h>

#include "TestDialog.h"

using testing_win32::Event;
using testing_win32::TestDialog;
using testing_win32::TextOf;

namespace {

constexpr int kCombo = 300;

LRESULT Send(HWND combo, UINT msg, WPARAM wParam = 0, const char16_t* text = nullptr) {
  return SendMessageW(combo, msg, wParam, reinterpret_cast<LPARAM>(text));
}

std::u16string ItemText(HWND combo, int index) {
  std::u16string text(static_cast<size_t>(Send(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index))) + 1, u'\0');
  text.resize(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                               reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

TEST(ComboBox, MessagesKeepItemsAndSelectionAndTheTextFollowsTheSelection) {
  TestDialog dialog;
  const HWND combo = dialog.Add(u"ComboBox", kCombo, CBS_DROPDOWNLIST | WS_TABSTOP, u"ignored");
  EXPECT_EQ(TextOf(combo), u"");
  EXPECT_EQ(Send(combo, CB_ADDSTRING, 0, u"Stairstep"), 0);
  EXPECT_EQ(Send(combo, CB_ADDSTRING, 0, u"Linear"), 1);
  EXPECT_EQ(Send(combo, CB_INSERTSTRING, 0, u"Default"), 0);
  EXPECT_EQ(Send(combo, CB_INSERTSTRING, static_cast<WPARAM>(-1), u"Last"), 3);
  EXPECT_EQ(Send(combo, CB_GETCOUNT), 4);
  EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);

  struct Case {
    UINT msg;
    WPARAM wParam;
    const char16_t* text;
    LRESULT result;
    int selected;
    const char16_t* windowText;
  };
  const Case cases[] = {
      {CB_SETCURSEL, 2, nullptr, 2, 2, u"Linear"},
      {CB_SETCURSEL, 9, nullptr, CB_ERR, -1, u""},
      {CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), u"linear", 2, -1, u""},
      {CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), u"Line", CB_ERR, -1, u""},
      {CB_FINDSTRING, static_cast<WPARAM>(-1), u"l", 2, -1, u""},
      {CB_FINDSTRING, 2, u"l", 3, -1, u""},  // starts after the given item
      {CB_FINDSTRING, 3, u"l", 2, -1, u""},  // and wraps around
      {CB_SELECTSTRING, static_cast<WPARAM>(-1), u"st", 1, 1, u"Stairstep"},
      {CB_SELECTSTRING, static_cast<WPARAM>(-1), u"zz", CB_ERR, 1, u"Stairstep"},
      {CB_DELETESTRING, 0, nullptr, 3, 0, u"Stairstep"},
      {CB_DELETESTRING, 0, nullptr, 2, -1, u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.msg);
    EXPECT_EQ(Send(combo, c.msg, c.wParam, c.text), c.result);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), c.selected);
    EXPECT_EQ(TextOf(combo), c.windowText);
  }
  EXPECT_EQ(ItemText(combo, 0), u"Linear");
  EXPECT_EQ(Send(combo, CB_GETLBTEXTLEN, 5), CB_ERR);
  EXPECT_TRUE(dialog.events.empty());  // no message notifies; only the user does
  Send(combo, CB_RESETCONTENT);
  EXPECT_EQ(Send(combo, CB_GETCOUNT), 0);
}

TEST(ComboBox, AUserPickNotifiesTheSelectionChange) {
  TestDialog dialog;
  const HWND combo = dialog.Add(u"ComboBox", kCombo, CBS_DROPDOWNLIST | WS_TABSTOP);
  for (const char16_t* item : {u"1/s", u"1/min", u"1/hour"}) Send(combo, CB_ADDSTRING, 0, item);
  Send(combo, CB_SETCURSEL, 1);
  int selectedWhenNotified = -2;
  dialog.onCommand = [&](int, int code) {
    if (code == CBN_SELCHANGE) selectedWhenNotified = static_cast<int>(Send(combo, CB_GETCURSEL));
  };
  SetFocus(combo);
  dialog.events.clear();
  dialog.Press(VK_DOWN);
  dialog.Press(VK_DOWN);  // already the last item: nothing changes
  EXPECT_EQ(dialog.events, (std::vector<Event>{{kCombo, CBN_SELCHANGE}}));
  EXPECT_EQ(selectedWhenNotified, 2);
  EXPECT_EQ(TextOf(combo), u"1/hour");
  dialog.Press(VK_HOME);
  EXPECT_EQ(TextOf(combo), u"1/s");
}

}  // namespace
