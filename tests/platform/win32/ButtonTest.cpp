#include <gtest/gtest.h>

#include "TestDialog.h"

using testing_win32::Event;
using testing_win32::TestDialog;

namespace {

constexpr int kButton = 200;

struct ClickCase {
  const char* name;
  DWORD style;
  UINT initial;
  bool disabled;
  bool parentDisabled;
  UINT expected;
  bool notifies;
};

TEST(Button, AClickTogglesAnAutoCheckBoxThenNotifiesUnlessDisabled) {
  const ClickCase cases[] = {
      {"auto check box on", BS_AUTOCHECKBOX, BST_UNCHECKED, false, false, BST_CHECKED, true},
      {"auto check box off", BS_AUTOCHECKBOX, BST_CHECKED, false, false, BST_UNCHECKED, true},
      {"plain check box", BS_CHECKBOX, BST_UNCHECKED, false, false, BST_UNCHECKED, true},
      {"push button", BS_PUSHBUTTON, BST_UNCHECKED, false, false, BST_UNCHECKED, true},
      {"group box", BS_GROUPBOX, BST_UNCHECKED, false, false, BST_UNCHECKED, false},
      {"disabled", BS_AUTOCHECKBOX, BST_UNCHECKED, true, false, BST_UNCHECKED, false},
      {"in a disabled group", BS_AUTOCHECKBOX, BST_UNCHECKED, false, true, BST_UNCHECKED, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TestDialog dialog;
    const HWND group = dialog.Add(u"Static", 1, 0);
    const HWND button = dialog.Add(u"Button", kButton, c.style | WS_TABSTOP, u"Press", c.parentDisabled ? group : nullptr);
    if (c.parentDisabled) EnableWindow(group, FALSE);
    EnableWindow(button, !c.disabled);
    CheckDlgButton(GetParent(button), kButton, c.initial);
    UINT checkWhenNotified = 99;
    dialog.onCommand = [&](int, int) { checkWhenNotified = IsDlgButtonChecked(GetParent(button), kButton); };

    SendMessageW(button, BM_CLICK, 0, 0);

    EXPECT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.expected));
    if (c.notifies) {
      EXPECT_EQ(dialog.events, (std::vector<Event>{{kButton, BN_CLICKED}}));
      EXPECT_EQ(checkWhenNotified, c.expected);  // the parent hears of the click after the toggle
      EXPECT_EQ(GetFocus(), button);
    } else {
      EXPECT_TRUE(dialog.events.empty());
    }
  }
}

TEST(Button, SpaceOnAFocusedCheckBoxClicksIt) {
  TestDialog dialog;
  const HWND box = dialog.Add(u"Button", kButton, BS_AUTOCHECKBOX | WS_TABSTOP);
  SetFocus(box);
  dialog.Press(VK_SPACE);
  EXPECT_EQ(IsDlgButtonChecked(dialog.hwnd(), kButton), static_cast<UINT>(BST_CHECKED));
  EXPECT_EQ(dialog.events, (std::vector<Event>{{kButton, BN_CLICKED}}));
}

}  // namespace
