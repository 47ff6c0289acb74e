#include "WindowTree.h"

#include "WindowManager.h"

namespace platform {

HWND ParentOf(HWND hwnd) {
  const WindowPtr window = FindWindowObject(hwnd);
  return window && window->IsChildWindow() ? window->parent : nullptr;
}

HWND TopLevelOf(HWND hwnd) {
  if (!FindWindowObject(hwnd)) return nullptr;
  for (HWND parent = ParentOf(hwnd); parent != nullptr; parent = ParentOf(hwnd)) hwnd = parent;
  return hwnd;
}

namespace {

void CollectDescendants(HWND hwnd, std::vector<HWND>& out) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return;
  for (HWND child : window->children) {
    out.push_back(child);
    CollectDescendants(child, out);
  }
}

}  // namespace

std::vector<HWND> DescendantsOf(HWND hwnd) {
  std::vector<HWND> out;
  CollectDescendants(hwnd, out);
  return out;
}

bool IsSelfOrDescendant(HWND ancestor, HWND hwnd) {
  if (ancestor == nullptr || hwnd == nullptr) return false;
  for (; hwnd != nullptr; hwnd = ParentOf(hwnd)) {
    if (hwnd == ancestor) return true;
  }
  return false;
}

bool AcceptsInput(HWND hwnd) {
  if (!FindWindowObject(hwnd)) return false;
  for (; hwnd != nullptr; hwnd = ParentOf(hwnd)) {
    if (FindWindowObject(hwnd)->style & WS_DISABLED) return false;
  }
  return true;
}

void NotifyParent(HWND hwnd, WORD code) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window || !window->IsChildWindow() || window->parent == nullptr) return;
  SendMessageW(window->parent, WM_COMMAND, MAKEWPARAM(window->id, code), reinterpret_cast<LPARAM>(hwnd));
}

}  // namespace platform
