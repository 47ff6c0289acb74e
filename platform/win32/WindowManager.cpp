#include "WindowManager.h"

#include "ButtonControl.h"
#include "ComboBoxControl.h"
#include "EditControl.h"
#include "TabControl.h"
#include "TextConversion.h"

namespace platform {

WindowManager& WindowManager::Instance() {
  static WindowManager manager;
  return manager;
}

WindowManager::WindowManager() {
  RegisterClass(u"Button", ButtonControl::Proc);
  RegisterClass(u"Edit", EditControl::Proc);
  RegisterClass(u"Static", DefWindowProcW);
  RegisterClass(u"ComboBox", ComboBoxControl::Proc);
  RegisterClass(WC_TABCONTROLW, TabControl::Proc);
  RegisterClass(u"#32770", DefDlgProcW);
}

WindowPtr WindowManager::Find(HWND hwnd) const {
  const auto found = windows_.find(reinterpret_cast<UINT_PTR>(hwnd));
  if (found == windows_.end() || found->second->destroyed) return nullptr;
  return found->second;
}

HWND WindowManager::Add(WindowPtr window) {
  const UINT_PTR value = nextHandle_;
  nextHandle_ += 4;
  window->handle = reinterpret_cast<HWND>(value);
  windows_[value] = std::move(window);
  return reinterpret_cast<HWND>(value);
}

void WindowManager::Remove(HWND hwnd) { windows_.erase(reinterpret_cast<UINT_PTR>(hwnd)); }

std::vector<HWND> WindowManager::OwnedBy(HWND owner) const {
  std::map<UINT_PTR, HWND> owned;  // handles grow with creation, so ordering them orders by age
  for (const auto& [value, window] : windows_) {
    if (!window->destroyed && !window->IsChildWindow() && window->owner == owner) owned[value] = window->handle;
  }
  std::vector<HWND> out;
  for (const auto& entry : owned) out.push_back(entry.second);
  return out;
}

ATOM WindowManager::RegisterClass(const std::u16string& name, WNDPROC proc) {
  const std::u16string key = FoldCase(name);
  if (name.empty() || proc == nullptr || classes_.count(key) != 0) return 0;
  const ATOM atom = nextAtom_++;
  classes_[key] = WindowClass{name, proc, atom};
  return atom;
}

const WindowClass* WindowManager::FindClass(const std::u16string& name) const {
  const auto found = classes_.find(FoldCase(name));
  return found == classes_.end() ? nullptr : &found->second;
}

}  // namespace platform
