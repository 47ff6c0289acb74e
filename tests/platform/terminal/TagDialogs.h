#pragma once
// The product's dialog and sheets as the templates make them, without the product's code:
// the tag properties dialog, and a property sheet captioned "Tag Properties" (no Apply
// button) over plain pages of the given templates.

#include <vector>

#include "platform/win32/WinUser.h"

namespace terminal {

// Runs the tag properties dialog modally; its result.
INT_PTR RunTagDialog();
// Runs a sheet of pages modally; its result.
INT_PTR RunSheet(const std::vector<UINT>& pageTemplates);

// The window in front while a dialog runs, and the active page of a sheet.
HWND FrontWindow();
HWND ActivePage();

}  // namespace terminal
