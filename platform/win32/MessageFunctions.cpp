// Sending and posting messages, the posted-message queue, and message boxes.

#include "FrontEnd.h"
#include "WindowManager.h"
#include "WindowTree.h"

using platform::FindWindowObject;
using platform::WindowManager;

LRESULT SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const platform::WindowPtr window = FindWindowObject(hwnd);
  if (!window || window->proc == nullptr) return 0;
  return window->proc(hwnd, msg, wParam, lParam);
}

LRESULT SendDlgItemMessageW(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(GetDlgItem(dialog, id), msg, wParam, lParam);
}

BOOL PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd != nullptr && !IsWindow(hwnd)) return FALSE;
  WindowManager::Instance().posted.push_back(MSG{hwnd, msg, wParam, lParam});
  return TRUE;
}

BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg) {
  if (msg == nullptr) return FALSE;
  auto& queue = WindowManager::Instance().posted;
  for (auto at = queue.begin(); at != queue.end(); ++at) {
    // A window filter takes the window's own messages and those of its children.
    if (hwnd != nullptr && !platform::IsSelfOrDescendant(hwnd, at->hwnd)) continue;
    if ((filterMin != 0 || filterMax != 0) && (at->message < filterMin || at->message > filterMax)) continue;
    *msg = *at;
    if (removeMsg & PM_REMOVE) queue.erase(at);
    return TRUE;
  }
  return FALSE;
}

LRESULT DispatchMessageW(const MSG* msg) {
  if (msg == nullptr || msg->hwnd == nullptr) return 0;
  return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
  return platform::CurrentFrontEnd().ShowMessageBox(owner, text ? text : u"", caption ? caption : u"Error", type);
}
