#pragma once
// How the keyboard moves through a dialog: the controls in tab order, descending into child
// dialogs that are control parents (property pages), and the focus a dialog gives a control.

#include <vector>

#include "WinUser.h"

namespace platform {

// The outermost dialog of a nest of control parents (a property sheet for one of its pages).
HWND NavigationRoot(HWND dialog);
// Every control that the keyboard can reach or leave, in tab order; hidden or disabled control
// parents are left out with all they hold.
std::vector<HWND> ControlsInTabOrder(HWND dialog);
// A control counts as a tab stop while it is visible, enabled and has WS_TABSTOP.
bool IsTabStop(HWND control);
// Gives a control the focus as a dialog does: an edit gets its whole text selected.
void FocusDialogControl(HWND control);

}  // namespace platform
