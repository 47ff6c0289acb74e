#pragma once
// Plausible values for the controls of every template, so that pictures show text in
// fields, checked boxes and chosen items, as a person would see a tag's pages.

#include "platform/win32/WinUser.h"

namespace terminal {

// Fills the controls of a dialog or page made from the template (ids repeat across templates).
void FillSampleValues(HWND window, UINT templateId);

}  // namespace terminal
