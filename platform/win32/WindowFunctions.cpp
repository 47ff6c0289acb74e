// Creating, destroying and walking windows; window data and geometry.

#include <algorithm>

#include "WindowManager.h"
#include "WindowTree.h"

using platform::FindWindowObject;
using platform::WindowManager;
using platform::WindowPtr;

ATOM RegisterClassW(const WNDCLASSW* wndClass) {
  if (wndClass == nullptr || wndClass->lpszClassName == nullptr || IS_INTRESOURCE(wndClass->lpszClassName)) return 0;
  return WindowManager::Instance().RegisterClass(wndClass->lpszClassName, wndClass->lpfnWndProc);
}

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param) {
  auto& manager = WindowManager::Instance();
  if (className == nullptr || IS_INTRESOURCE(className)) return nullptr;
  const platform::WindowClass* windowClass = manager.FindClass(className);
  if (windowClass == nullptr) return nullptr;
  const bool child = (style & WS_CHILD) != 0;
  if (child && !FindWindowObject(parent)) return nullptr;
  if (!child && parent != nullptr && !FindWindowObject(parent)) return nullptr;

  auto window = std::make_shared<platform::Window>();
  window->className = windowClass->name;
  window->proc = windowClass->proc;
  window->style = style;
  window->exStyle = exStyle;
  window->instance = instance;
  window->rect = RECT{x, y, x + width, y + height};
  if ((style & CBS_DROPDOWNLIST) != CBS_DROPDOWNLIST || window->className != u"ComboBox") {
    window->text = windowName ? windowName : u"";
  }
  if (child) {
    window->parent = parent;
    window->id = static_cast<int>(reinterpret_cast<INT_PTR>(menuOrId));
  } else {
    window->owner = platform::TopLevelOf(parent);
  }
  window->isDialog = window->className == u"#32770";
  const HWND hwnd = manager.Add(window);
  if (child) FindWindowObject(parent)->children.push_back(hwnd);

  CREATESTRUCTW create{param,  instance,       menuOrId,      parent, height, width, y, x, static_cast<LONG>(style),
                       windowName, windowClass->name.c_str(), exStyle};
  if (SendMessageW(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!FindWindowObject(hwnd)) return nullptr;
  if (!child && (style & WS_VISIBLE)) manager.foreground = hwnd;
  return hwnd;
}

namespace {

void SendDestroy(HWND hwnd) {
  if (!FindWindowObject(hwnd)) return;
  SendMessageW(hwnd, WM_DESTROY, 0, 0);
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return;
  for (HWND child : std::vector<HWND>(window->children)) SendDestroy(child);
}

void SendNcDestroyAndForget(HWND hwnd) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return;
  for (HWND child : std::vector<HWND>(window->children)) SendNcDestroyAndForget(child);
  SendMessageW(hwnd, WM_NCDESTROY, 0, 0);
  window->destroyed = true;
  auto& manager = WindowManager::Instance();
  auto& queue = manager.posted;
  queue.erase(std::remove_if(queue.begin(), queue.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
              queue.end());
  manager.Remove(hwnd);
}

}  // namespace

BOOL DestroyWindow(HWND hwnd) {
  auto& manager = WindowManager::Instance();
  WindowPtr window = FindWindowObject(hwnd);
  if (!window) return FALSE;
  if (window->style & WS_VISIBLE) ShowWindow(hwnd, SW_HIDE);
  for (HWND owned : manager.OwnedBy(hwnd)) DestroyWindow(owned);
  if (window->destroyed) return TRUE;
  SendDestroy(hwnd);
  // The focus of a window that goes away is simply gone, as it is on Windows.
  if (platform::IsSelfOrDescendant(hwnd, manager.focus)) manager.focus = nullptr;
  if (manager.foreground == hwnd) manager.foreground = FindWindowObject(window->owner) ? window->owner : nullptr;
  const HWND parent = window->IsChildWindow() ? window->parent : nullptr;
  SendNcDestroyAndForget(hwnd);
  if (const WindowPtr parentWindow = FindWindowObject(parent)) {
    auto& siblings = parentWindow->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), hwnd), siblings.end());
  }
  return TRUE;
}

BOOL IsWindow(HWND hwnd) { return FindWindowObject(hwnd) != nullptr; }

LRESULT DefWindowProcW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return 0;
  switch (msg) {
    case WM_SETTEXT:
      window->text = lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"";
      return TRUE;
    case WM_GETTEXT: {
      auto* buffer = reinterpret_cast<LPWSTR>(lParam);
      if (buffer == nullptr || wParam == 0) return 0;
      const size_t length = std::min(window->text.size(), static_cast<size_t>(wParam) - 1);
      std::copy_n(window->text.begin(), length, buffer);
      buffer[length] = 0;
      return static_cast<LRESULT>(length);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(window->text.size());
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    default:
      return 0;
  }
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
  const WindowPtr window = FindWindowObject(dialog);
  if (!window) return nullptr;
  for (HWND child : window->children) {
    if (FindWindowObject(child)->id == id) return child;
  }
  return nullptr;
}

int GetDlgCtrlID(HWND hwnd) {
  const WindowPtr window = FindWindowObject(hwnd);
  return window ? window->id : 0;
}

HWND GetParent(HWND hwnd) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return nullptr;
  return window->IsChildWindow() ? window->parent : window->owner;
}

HWND GetWindow(HWND hwnd, UINT cmd) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return nullptr;
  if (cmd == GW_OWNER) return window->IsChildWindow() ? nullptr : window->owner;
  if (cmd == GW_CHILD) return window->children.empty() ? nullptr : window->children.front();
  const WindowPtr parent = FindWindowObject(platform::ParentOf(hwnd));
  if (!parent) return cmd == GW_HWNDFIRST || cmd == GW_HWNDLAST ? hwnd : nullptr;
  const auto& siblings = parent->children;
  const auto at = std::find(siblings.begin(), siblings.end(), hwnd);
  switch (cmd) {
    case GW_HWNDFIRST:
      return siblings.front();
    case GW_HWNDLAST:
      return siblings.back();
    case GW_HWNDNEXT:
      return at + 1 == siblings.end() ? nullptr : *(at + 1);
    case GW_HWNDPREV:
      return at == siblings.begin() ? nullptr : *(at - 1);
    default:
      return nullptr;
  }
}

BOOL IsChild(HWND parent, HWND hwnd) {
  return hwnd != parent && FindWindowObject(parent) && platform::IsSelfOrDescendant(parent, hwnd);
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM param) {
  if (!FindWindowObject(parent) || proc == nullptr) return FALSE;
  // The windows are listed first, as Windows does: windows created meanwhile are not visited
  // and windows destroyed meanwhile are skipped.
  for (HWND child : platform::DescendantsOf(parent)) {
    if (FindWindowObject(child) && !proc(child, param)) break;
  }
  return TRUE;
}

int GetClassNameW(HWND hwnd, LPWSTR buffer, int capacity) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window || buffer == nullptr || capacity <= 0) return 0;
  const size_t length = std::min(window->className.size(), static_cast<size_t>(capacity - 1));
  std::copy_n(window->className.begin(), length, buffer);
  buffer[length] = 0;
  return static_cast<int>(length);
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return 0;
  switch (index) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(window->proc);
    case GWL_ID:
      return window->id;
    case GWL_STYLE:
      return static_cast<LONG_PTR>(window->style);
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(window->exStyle);
    case GWLP_USERDATA:
      return window->userData;
    default:
      break;
  }
  if (!window->isDialog) return 0;
  if (index == DWLP_MSGRESULT) return window->messageResult;
  if (index == DWLP_DLGPROC) return reinterpret_cast<LONG_PTR>(window->dialogProc);
  if (index == DWLP_USER) return window->dialogUser;
  return 0;
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return 0;
  const LONG_PTR previous = GetWindowLongPtrW(hwnd, index);
  switch (index) {
    case GWLP_WNDPROC:
      if (value == 0) return 0;
      window->proc = reinterpret_cast<WNDPROC>(value);
      return previous;
    case GWL_ID:
      window->id = static_cast<int>(value);
      return previous;
    case GWL_STYLE:
      window->style = static_cast<DWORD>(value);
      return previous;
    case GWL_EXSTYLE:
      window->exStyle = static_cast<DWORD>(value);
      return previous;
    case GWLP_USERDATA:
      window->userData = value;
      return previous;
    default:
      break;
  }
  if (!window->isDialog) return 0;
  if (index == DWLP_MSGRESULT) window->messageResult = value;
  if (index == DWLP_DLGPROC) window->dialogProc = reinterpret_cast<DLGPROC>(value);
  if (index == DWLP_USER) window->dialogUser = value;
  return previous;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window || rect == nullptr) return FALSE;
  *rect = window->rect;
  for (HWND parent = platform::ParentOf(hwnd); parent != nullptr; parent = platform::ParentOf(parent)) {
    const RECT& outer = FindWindowObject(parent)->rect;
    rect->left += outer.left;
    rect->right += outer.left;
    rect->top += outer.top;
    rect->bottom += outer.top;
  }
  return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window || rect == nullptr) return FALSE;
  *rect = RECT{0, 0, window->rect.right - window->rect.left, window->rect.bottom - window->rect.top};
  return TRUE;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL) {
  const WindowPtr window = FindWindowObject(hwnd);
  if (!window) return FALSE;
  window->rect = RECT{x, y, x + width, y + height};
  return TRUE;
}
