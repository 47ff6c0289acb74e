#pragma once
// What a person's keyboard does to the window in front (a dialog or a property sheet),
// through Win32 messages alone: keys and typed characters go to the focused control through
// the dialog manager, and the sheet's page keys switch pages. The scripted user and the
// terminal both deliver keys this way.

#include <string_view>

#include "../win32/WinUser.h"

namespace driver {

enum class Key {
  Tab, ShiftTab, Enter, Escape, Space, Backspace, Delete, Left, Right, Up, Down, Home, End, CtrlPageDown, CtrlPageUp
};

// "Tab", "Shift+Tab", "Enter", "Escape", "Space", "Backspace", "Delete", "Left", "Right", "Up",
// "Down", "Home", "End", "Ctrl+PgDn", "Ctrl+PgUp"; false for any other name.
bool KeyFromName(std::string_view name, Key& key);

// Delivers the key as the keyboard would. Ctrl+PgDn and Ctrl+PgUp move to the next or previous
// page of a sheet, wrapping around; in a dialog they do nothing.
void PressKey(HWND window, Key key);
// Delivers a typed character to the focused control ('\n' presses Enter).
void TypeChar(HWND window, char16_t ch);

// The tab control of a property sheet; null for a dialog.
HWND SheetTabs(HWND window);

// Pumps the posted messages of the window model, as a modal loop does between inputs.
void PumpMessages();

}  // namespace driver
