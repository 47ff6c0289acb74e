#include <gtest/gtest.h>

#include "TestDialog.h"

using testing_win32::Event;
using testing_win32::TestDialog;

namespace {

constexpr int kEdit = 1;
constexpr int kOther = 2;
constexpr int kButton = 3;

TEST(Focus, AClickTakesTheFocusSoTheEditHearsItLostItBeforeTheClick) {
  TestDialog dialog;
  const HWND edit = dialog.Add(u"Edit", kEdit, WS_TABSTOP);
  const HWND button = dialog.Add(u"Button", kButton, BS_PUSHBUTTON | WS_TABSTOP);
  SetFocus(edit);
  dialog.events.clear();
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(dialog.events, (std::vector<Event>{{kEdit, EN_KILLFOCUS}, {kButton, BN_CLICKED}}));
  EXPECT_EQ(GetFocus(), button);
}

TEST(Focus, AKillFocusHandlerThatTakesTheFocusBackKeepsIt) {
  TestDialog dialog;
  const HWND edit = dialog.Add(u"Edit", kEdit, WS_TABSTOP);
  const HWND button = dialog.Add(u"Button", kButton, BS_PUSHBUTTON | WS_TABSTOP);
  SetFocus(edit);
  dialog.onCommand = [&](int id, int code) {
    if (id == kEdit && code == EN_KILLFOCUS) {
      EXPECT_EQ(GetFocus(), button);  // the focus has already moved when the loser hears of it
      SetFocus(edit);
    }
  };
  dialog.events.clear();
  SendMessageW(button, BM_CLICK, 0, 0);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(dialog.events,
            (std::vector<Event>{{kEdit, EN_KILLFOCUS}, {kEdit, EN_SETFOCUS}, {kButton, BN_CLICKED}}));
  dialog.onCommand = nullptr;
}

TEST(Focus, TheFocusFollowsWindowsWhenItsWindowGoesAway) {
  enum class Change { Hide, Disable, Destroy, HideParent };
  struct Case {
    const char* name;
    Change change;
    int expectedId;  // 0: no window has the focus
  };
  const Case cases[] = {
      {"hidden: the dialog hands it to its first tab stop", Change::Hide, kEdit},
      {"disabled: no one has it", Change::Disable, 0},
      {"destroyed: as when hidden", Change::Destroy, kEdit},
      {"its page hidden: the outer dialog's first tab stop", Change::HideParent, kEdit},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestDialog dialog;
    dialog.Add(u"Edit", kEdit, WS_TABSTOP);
    const HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, u"#32770", u"", WS_CHILD | WS_VISIBLE | DS_CONTROL, 0, 0,
                                      10, 10, dialog.hwnd(), reinterpret_cast<HMENU>(9), nullptr, nullptr);
    const HWND other = dialog.Add(u"Edit", kOther, WS_TABSTOP, u"", c.change == Change::HideParent ? page : nullptr);
    SetFocus(other);
    switch (c.change) {
      case Change::Hide: ShowWindow(other, SW_HIDE); break;
      case Change::Disable: EnableWindow(other, FALSE); break;
      case Change::Destroy: DestroyWindow(other); break;
      case Change::HideParent: ShowWindow(page, SW_HIDE); break;
    }
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), c.expectedId);
    EXPECT_EQ(GetFocus() == nullptr, c.expectedId == 0);
  }
}

TEST(Focus, ADisabledWindowCannotTakeTheFocus) {
  TestDialog dialog;
  const HWND edit = dialog.Add(u"Edit", kEdit, WS_TABSTOP);
  const HWND disabled = dialog.Add(u"Edit", kOther, WS_TABSTOP | WS_DISABLED);
  SetFocus(edit);
  EXPECT_EQ(SetFocus(disabled), nullptr);
  EXPECT_EQ(GetFocus(), edit);
  dialog.Type(u"x");
  EXPECT_EQ(testing_win32::TextOf(disabled), u"");
}

TEST(Focus, EndingADialogHidesItAndHandsTheForegroundBackToItsOwner) {
  TestDialog owner;
  TestDialog modal(WS_POPUP | WS_VISIBLE, owner.hwnd());
  EXPECT_EQ(GetParent(modal.hwnd()), owner.hwnd());
  EXPECT_EQ(GetForegroundWindow(), modal.hwnd());
  EndDialog(modal.hwnd(), IDOK);
  EXPECT_TRUE(platform::IsDialogEnded(modal.hwnd()));
  EXPECT_FALSE(IsWindowVisible(modal.hwnd()));
  EXPECT_EQ(GetForegroundWindow(), owner.hwnd());
}

}  // namespace
