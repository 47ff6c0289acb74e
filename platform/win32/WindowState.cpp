// Enabled, visible and checked state, with the focus moves that Windows makes when the
// window that has the focus is disabled or hidden.

#include "WindowManager.h"
#include "WindowTree.h"

using platform::FindWindowObject;
using platform::WindowManager;
using platform::WindowPtr;

BOOL EnableWindow(HWND hwnd, BOOL enable) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return FALSE;
  const BOOL wasDisabled = (window->style & WS_DISABLED) != 0;
  if (enable && wasDisabled) {
    window->style &= ~static_cast<DWORD>(WS_DISABLED);
    SendMessageW(hwnd, WM_ENABLE, TRUE, 0);
  } else if (!enable && !wasDisabled) {
    window->style |= WS_DISABLED;
    // A disabled window cannot keep the focus, and Windows gives it to no one.
    if (platform::IsSelfOrDescendant(hwnd, WindowManager::Instance().focus)) SetFocus(nullptr);
    SendMessageW(hwnd, WM_ENABLE, FALSE, 0);
  }
  return wasDisabled;
}

BOOL IsWindowEnabled(HWND hwnd) {
  const WindowPtr window = FindWindowObject(hwnd);
  return window && !(window->style & WS_DISABLED);
}

BOOL ShowWindow(HWND hwnd, int cmd) {
  auto& manager = WindowManager::Instance();
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return FALSE;
  const BOOL wasVisible = (window->style & WS_VISIBLE) != 0;
  if (cmd == SW_HIDE) {
    if (!wasVisible) return FALSE;
    window->style &= ~static_cast<DWORD>(WS_VISIBLE);
    SendMessageW(hwnd, WM_SHOWWINDOW, FALSE, 0);
    if (window->destroyed) return wasVisible;
    // A child that hides with the focus hands it to its parent; a top-level window to its owner.
    if (platform::IsSelfOrDescendant(hwnd, manager.focus)) {
      const HWND heir = window->IsChildWindow() ? window->parent : window->owner;
      SetFocus(heir != nullptr && platform::AcceptsInput(heir) ? heir : nullptr);
    }
    if (manager.foreground == hwnd) manager.foreground = FindWindowObject(window->owner) ? window->owner : nullptr;
    return wasVisible;
  }
  if (!wasVisible) {
    window->style |= WS_VISIBLE;
    SendMessageW(hwnd, WM_SHOWWINDOW, TRUE, 0);
  }
  if (!window->IsChildWindow() && !window->destroyed) manager.foreground = hwnd;
  return wasVisible;
}

BOOL IsWindowVisible(HWND hwnd) {
  if (!FindWindowObject(hwnd)) return FALSE;
  for (; hwnd != nullptr; hwnd = platform::ParentOf(hwnd)) {
    if (!(FindWindowObject(hwnd)->style & WS_VISIBLE)) return FALSE;
  }
  return TRUE;
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check) {
  const HWND button = GetDlgItem(dialog, id);
  if (button == nullptr) return FALSE;
  SendMessageW(button, BM_SETCHECK, check, 0);
  return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id) {
  const HWND button = GetDlgItem(dialog, id);
  return button ? static_cast<UINT>(SendMessageW(button, BM_GETCHECK, 0, 0)) : 0;
}
