#include "ButtonControl.h"

#include "WindowManager.h"
#include "WindowTree.h"

namespace platform {

bool ButtonControl::IsPushButton(HWND hwnd) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window || window->className != u"Button") return false;
  const DWORD type = window->style & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

void ButtonControl::Click(HWND hwnd) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return;
  const DWORD type = window->style & BS_TYPEMASK;
  if (type == BS_GROUPBOX) return;
  if (type == BS_AUTOCHECKBOX) window->check = window->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  NotifyParent(hwnd, BN_CLICKED);
}

LRESULT CALLBACK ButtonControl::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return 0;
  switch (msg) {
    case BM_GETCHECK:
      return window->check;
    case BM_SETCHECK:
      window->check = static_cast<UINT>(wParam) == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
      return 0;
    case BM_CLICK:
      // The press takes the focus first: whoever loses it hears so before the click.
      if (!AcceptsInput(hwnd) || (window->style & BS_TYPEMASK) == BS_GROUPBOX) return 0;
      SetFocus(hwnd);
      if (AcceptsInput(hwnd)) Click(hwnd);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && AcceptsInput(hwnd)) Click(hwnd);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace platform
