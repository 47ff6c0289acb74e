#pragma once
// The "Button" class: push buttons, the default push button, check boxes and group boxes.

#include "WinUser.h"

namespace platform {

class ButtonControl {
 public:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static bool IsPushButton(HWND hwnd);

 private:
  // A click as a person makes it: an auto check box toggles, then the parent hears BN_CLICKED.
  static void Click(HWND hwnd);
};

}  // namespace platform
