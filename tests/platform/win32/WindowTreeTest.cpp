#include <gtest/gtest.h>

#include "TestDialog.h"

using testing_win32::TestDialog;

namespace {

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
  auto* ids = reinterpret_cast<std::vector<int>*>(param);
  ids->push_back(GetDlgCtrlID(hwnd));
  return ids->size() < 100;
}

TEST(WindowTree, EnumChildWindowsVisitsEveryDescendantDepthFirst) {
  TestDialog dialog;
  const HWND group = dialog.Add(u"Static", 1, 0);
  const HWND inner = dialog.Add(u"Static", 2, 0, u"", group);
  dialog.Add(u"Edit", 3, 0, u"", inner);
  dialog.Add(u"Edit", 4, 0, u"", group);
  dialog.Add(u"Button", 5, 0);
  std::vector<int> ids;
  EnumChildWindows(dialog.hwnd(), Collect, reinterpret_cast<LPARAM>(&ids));
  EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(GetDlgItem(dialog.hwnd(), 3), nullptr);  // GetDlgItem looks at children only
  EXPECT_TRUE(IsChild(dialog.hwnd(), GetDlgItem(inner, 3)));
  EXPECT_EQ(GetWindow(group, GW_HWNDNEXT), GetDlgItem(dialog.hwnd(), 5));
}

TEST(WindowTree, PostedMessagesWaitInOrderAndDieWithTheirWindow) {
  TestDialog dialog;
  const HWND edit = dialog.Add(u"Edit", 1, 0);
  const HWND gone = dialog.Add(u"Edit", 2, 0);
  PostMessageW(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
  PostMessageW(gone, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"lost"));
  PostMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"posted"));
  DestroyWindow(gone);
  EXPECT_EQ(testing_win32::TextOf(edit), u"");
  MSG msg{};
  ASSERT_TRUE(PeekMessageW(&msg, edit, 0, 0, PM_REMOVE));  // filtered to the edit
  DispatchMessageW(&msg);
  EXPECT_EQ(testing_win32::TextOf(edit), u"posted");
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_COMMAND));
  ASSERT_TRUE(PeekMessageW(&msg, dialog.hwnd(), WM_COMMAND, WM_COMMAND, PM_REMOVE));
  DispatchMessageW(&msg);
  EXPECT_EQ(dialog.events, (std::vector<testing_win32::Event>{{1, EN_CHANGE}, {IDCANCEL, BN_CLICKED}}));
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PostMessageW(gone, WM_NULL, 0, 0));
}

TEST(WindowTree, EveryWindowFunctionFailsQuietlyOnANullOrDestroyedHandle) {
  HWND destroyed = CreateWindowExW(0, u"Edit", u"x", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(destroyed);
  for (HWND hwnd : {static_cast<HWND>(nullptr), destroyed}) {
    WCHAR buffer[4] = {u'z'};
    RECT rect{};
    MSG msg{hwnd, WM_KEYDOWN, VK_TAB, 0};
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(DestroyWindow(hwnd));
    EXPECT_EQ(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"a")), 0);
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 4), 0);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 0);
    EXPECT_FALSE(SetWindowTextW(hwnd, u"a"));
    EXPECT_FALSE(EnableWindow(hwnd, FALSE));
    EXPECT_FALSE(IsWindowEnabled(hwnd));
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOW));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(GetDlgItem(hwnd, 1), nullptr);
    EXPECT_EQ(GetParent(hwnd), nullptr);
    EXPECT_EQ(GetWindow(hwnd, GW_CHILD), nullptr);
    EXPECT_FALSE(EnumChildWindows(hwnd, Collect, 0));
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE), 0);
    EXPECT_EQ(SetWindowLongPtrW(hwnd, GWLP_USERDATA, 1), 0);
    EXPECT_FALSE(GetWindowRect(hwnd, &rect));
    EXPECT_EQ(GetDlgItemInt(hwnd, 1, nullptr, TRUE), 0u);
    EXPECT_FALSE(CheckDlgButton(hwnd, 1, BST_CHECKED));
    EXPECT_EQ(SetFocus(hwnd), GetFocus());
    EXPECT_FALSE(SetForegroundWindow(hwnd));
    EXPECT_FALSE(EndDialog(hwnd, IDOK));
    EXPECT_TRUE(platform::IsDialogEnded(hwnd));
    EXPECT_FALSE(IsDialogMessageW(hwnd, &msg));
    EXPECT_EQ(GetNextDlgTabItem(hwnd, nullptr, FALSE), nullptr);
    EXPECT_EQ(DefDlgProcW(hwnd, DM_GETDEFID, 0, 0), 0);
  }
}

}  // namespace
