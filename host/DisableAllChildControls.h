#pragma once
// Disables every window below the given one (all descendants), as a page does for a system tag.

#include <windows.h>

void DisableAllChildControls(HWND window);
