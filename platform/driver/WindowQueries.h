#pragma once
// Reading what a person sees of a window, through Win32 messages alone.

#include <string>
#include <vector>

#include "../win32/WinUser.h"

namespace driver {

std::u16string WindowText(HWND window);
std::u16string ClassName(HWND window);
// A combo box's items in order.
std::vector<std::u16string> ComboItems(HWND combo);
// One item's text; empty for an index out of range.
std::u16string ComboItem(HWND combo, int index);
// A tab control's titles in order.
std::vector<std::u16string> TabTitles(HWND tabs);

}  // namespace driver
