#include "DisableAllChildControls.h"

#include <windows.h>

namespace {

BOOL CALLBACK DisableWindow(HWND window, LPARAM /*unused*/) {
  EnableWindow(window, FALSE);
  return TRUE;
}

}  // namespace

void DisableAllChildControls(HWND window) { EnumChildWindows(window, DisableWindow, 0); }
