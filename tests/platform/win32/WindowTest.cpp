// What the pages rely on without a test of their own noticing: disabling a page's controls reaches
// every descendant, and a disabled control never takes the focus.

#include <gtest/gtest.h>

#include <vector>

#include "TestDialog.h"

namespace {

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<int>*>(param)->push_back(GetDlgCtrlID(hwnd));
  return TRUE;
}

TEST(Window, EnumChildWindowsVisitsEveryDescendantDepthFirst) {
  testing_win32::TestDialog dialog;
  const HWND group = dialog.Add(u"Static", 1, 0);
  dialog.Add(u"Edit", 3, 0, u"", dialog.Add(u"Static", 2, 0, u"", group));
  dialog.Add(u"Button", 4, 0);
  std::vector<int> ids;
  EnumChildWindows(dialog.hwnd(), Collect, reinterpret_cast<LPARAM>(&ids));
  EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4}));
}

TEST(Window, ADisabledControlCannotTakeTheFocus) {
  testing_win32::TestDialog dialog;
  const HWND edit = dialog.Add(u"Edit", 1, WS_TABSTOP);
  const HWND disabled = dialog.Add(u"Edit", 2, WS_TABSTOP | WS_DISABLED);
  SetFocus(edit);
  EXPECT_EQ(SetFocus(disabled), nullptr);
  EXPECT_EQ(GetFocus(), edit);
  dialog.Type(u"x");
  EXPECT_EQ(testing_win32::TextOf(disabled), u"");
}

}  // namespace
