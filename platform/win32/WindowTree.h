#pragma once
// Walks over the window tree that the window functions, the controls and the dialog
// manager share.

#include <vector>

#include "WinUser.h"

namespace platform {

// The parent of a child window; null for a top-level window.
HWND ParentOf(HWND hwnd);
// The top-level window that holds a window (the window itself when it is top-level).
HWND TopLevelOf(HWND hwnd);
// Every descendant, depth first in creation order.
std::vector<HWND> DescendantsOf(HWND hwnd);
bool IsSelfOrDescendant(HWND ancestor, HWND hwnd);
// A window takes input only while it and every window it is a child of are enabled.
bool AcceptsInput(HWND hwnd);
// Sends WM_COMMAND with the window's id and the notification code to its parent.
void NotifyParent(HWND hwnd, WORD code);

}  // namespace platform
