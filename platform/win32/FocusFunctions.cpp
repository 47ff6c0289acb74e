// Keyboard focus, the foreground window and the key state.

#include "FrontEnd.h"
#include "WindowManager.h"
#include "WindowTree.h"

using platform::WindowManager;

HWND SetFocus(HWND hwnd) {
  auto& manager = WindowManager::Instance();
  const HWND previous = manager.focus;
  if (hwnd != nullptr && !platform::AcceptsInput(hwnd)) return nullptr;
  if (hwnd == previous) return previous;
  // As on Windows the focus has moved before the old window hears of it, and a kill-focus
  // handler that moves it again wins: the window first asked for then hears nothing.
  manager.focus = hwnd;
  if (IsWindow(previous)) {
    SendMessageW(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (manager.focus != hwnd) return previous;
  }
  if (hwnd != nullptr && IsWindow(hwnd)) SendMessageW(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
  return previous;
}

HWND GetFocus() {
  auto& manager = WindowManager::Instance();
  return IsWindow(manager.focus) ? manager.focus : nullptr;
}

HWND GetForegroundWindow() {
  auto& manager = WindowManager::Instance();
  return IsWindow(manager.foreground) ? manager.foreground : nullptr;
}

BOOL SetForegroundWindow(HWND hwnd) {
  if (!IsWindow(hwnd)) return FALSE;
  WindowManager::Instance().foreground = platform::TopLevelOf(hwnd);
  return TRUE;
}

SHORT GetKeyState(int virtualKey) {
  if (virtualKey < 0 || virtualKey > 255) return 0;
  return WindowManager::Instance().keysDown[static_cast<size_t>(virtualKey)] ? static_cast<SHORT>(0x8000) : 0;
}

namespace platform {

void SetKeyDown(int virtualKey, bool down) {
  if (virtualKey >= 0 && virtualKey <= 255) WindowManager::Instance().keysDown[static_cast<size_t>(virtualKey)] = down;
}

}  // namespace platform
