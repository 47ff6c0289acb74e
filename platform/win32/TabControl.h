#pragma once
// The tab control that carries a property sheet's page titles. A switch by the user asks
// the parent first (TCN_SELCHANGING through WM_NOTIFY; a non-zero answer keeps the current
// tab), then tells it (TCN_SELCHANGE); TCM_SETCURSEL switches without asking.

#include "WinUser.h"

namespace platform {

class TabControl {
 public:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // The user clicks a tab: the tab control takes the focus, then the switch is asked for.
  // True when the tab is selected afterwards.
  static bool Pick(HWND hwnd, int index);

 private:
  static LRESULT Notify(HWND hwnd, UINT code);
};

}  // namespace platform
