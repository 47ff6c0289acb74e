#pragma once
// What the terminal keeps about a dialog beyond the window model: how far each edit is
// scrolled and which drop-down list is open.

#include <map>

#include "../win32/WinTypes.h"

namespace terminal {

struct ViewState {
  // The first character shown of an edit that has the focus.
  std::map<HWND, size_t> scroll;
  // The combo box whose list is dropped down (null for none), and the item highlighted in it.
  HWND popup = nullptr;
  int highlight = 0;
};

}  // namespace terminal
