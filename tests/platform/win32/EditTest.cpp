#include <gtest/gtest.h>

#include <algorithm>

#include "TestDialog.h"

using testing_win32::Event;
using testing_win32::SelectionOf;
using testing_win32::TestDialog;
using testing_win32::TextOf;

namespace {

constexpr int kEdit = 100;

struct TypingCase {
  const char* name;
  const char16_t* initial;
  int selStart;
  int selEnd;
  int limit;  // 0: the default limit
  bool readOnly;
  const char16_t* typed;
  const char16_t* expected;
  DWORD caret;
  int changes;
  int maxTexts;
};

TEST(Edit, TypingReplacesTheSelectionWithinTheLimitAndNotifiesPerKeystroke) {
  const TypingCase cases[] = {
      {"empty", u"", 0, 0, 0, false, u"abc", u"abc", 3, 3, 0},
      {"all selected", u"hello", 0, -1, 0, false, u"x", u"x", 1, 1, 0},
      {"part selected", u"hello", 1, 3, 0, false, u"Z", u"hZlo", 2, 1, 0},
      {"caret in the middle", u"ac", 1, 1, 0, false, u"b", u"abc", 2, 1, 0},
      {"limit stops typing", u"", 0, 0, 3, false, u"abcd", u"abc", 3, 3, 1},
      {"replacing fits the limit", u"abc", 0, -1, 3, false, u"x", u"x", 1, 1, 0},
      {"full and nothing selected", u"abc", 3, 3, 3, false, u"d", u"abc", 3, 0, 1},
      {"read-only", u"abc", 3, 3, 0, true, u"x", u"abc", 3, 0, 0},
      {"control characters", u"ab", 2, 2, 0, false, u"\b\x01", u"ab", 2, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestDialog dialog;
    const HWND edit = dialog.Add(u"Edit", kEdit, WS_TABSTOP | (c.readOnly ? ES_READONLY : 0), c.initial);
    if (c.limit != 0) SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(c.limit), 0);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(c.selStart), c.selEnd);
    dialog.events.clear();

    // Control characters are sent straight to the edit: the dialog would take Tab and Enter.
    for (const char16_t* p = c.typed; *p; ++p) {
      if (*p < u' ') SendMessageW(edit, WM_CHAR, *p, 0);
      else dialog.Type(std::u16string(1, *p));
    }

    EXPECT_EQ(TextOf(edit), c.expected);
    EXPECT_EQ(SelectionOf(edit), std::make_pair(c.caret, c.caret));
    EXPECT_EQ(std::count(dialog.events.begin(), dialog.events.end(), Event{kEdit, EN_CHANGE}), c.changes);
    EXPECT_EQ(std::count(dialog.events.begin(), dialog.events.end(), Event{kEdit, EN_MAXTEXT}), c.maxTexts);
  }
}

TEST(Edit, SettingTheTextNotifiesIgnoresTheLimitAndPutsTheCaretFirst) {
  TestDialog dialog;
  const HWND edit = dialog.Add(u"Edit", kEdit, WS_TABSTOP, u"old");
  SendMessageW(edit, EM_LIMITTEXT, 3, 0);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  dialog.events.clear();
  SetWindowTextW(edit, u"longer than three");
  EXPECT_EQ(TextOf(edit), u"longer than three");
  EXPECT_EQ(SelectionOf(edit), std::make_pair(DWORD{0}, DWORD{0}));
  EXPECT_EQ(dialog.events, (std::vector<Event>{{kEdit, EN_CHANGE}}));
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
  SendMessageW(edit, EM_LIMITTEXT, 0, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

}  // namespace
