#pragma once
// The "ComboBox" class as the dialogs use it: a list of strings with one selected item whose
// text is the window text. A pick by the user notifies CBN_SELCHANGE; CB_SETCURSEL does not.

#include "WinUser.h"

namespace platform {

struct Window;

class ComboBoxControl {
 public:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // The user picks an item (or moves to it with the arrow keys); false when the index is out of range
  // or the combo box takes no input.
  static bool Pick(HWND hwnd, int index);

 private:
  static LRESULT Find(const Window& combo, WPARAM start, LPARAM text);
  static LRESULT Select(Window& combo, int index);
  static LRESULT Insert(Window& combo, int index, LPARAM text);
};

}  // namespace platform
