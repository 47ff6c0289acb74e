#pragma once
// The process's windows by handle, the window classes, and the state that Windows keeps
// once per thread: focus, foreground window, posted messages and key state. Handles are never reused, so a stale
// handle finds nothing instead of another window.

#include <array>
#include <deque>
#include <map>
#include <string>
#include <unordered_map>

#include "Window.h"

namespace platform {

struct WindowClass {
  std::u16string name;
  WNDPROC proc = nullptr;
  ATOM atom = 0;
};

class WindowManager {
 public:
  static WindowManager& Instance();

  // The live window of a handle, or null for a null, unknown or destroyed handle.
  WindowPtr Find(HWND hwnd) const;
  HWND Add(WindowPtr window);
  void Remove(HWND hwnd);

  ATOM RegisterClass(const std::u16string& name, WNDPROC proc);
  const WindowClass* FindClass(const std::u16string& name) const;

  // Owned top-level windows of a window, in creation order.
  std::vector<HWND> OwnedBy(HWND owner) const;

  HWND focus = nullptr;
  HWND foreground = nullptr;
  std::deque<MSG> posted;
  std::array<bool, 256> keysDown{};

 private:
  WindowManager();
  std::unordered_map<UINT_PTR, WindowPtr> windows_;
  std::map<std::u16string, WindowClass> classes_;  // by upper-cased name: class names ignore case
  UINT_PTR nextHandle_ = 0x10010;
  ATOM nextAtom_ = 0xC000;
};

// The window behind a handle (null when there is none), for the platform's own code.
inline WindowPtr FindWindowObject(HWND hwnd) { return WindowManager::Instance().Find(hwnd); }

}  // namespace platform
