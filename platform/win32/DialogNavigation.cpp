#include "DialogNavigation.h"

#include "WindowManager.h"

namespace platform {

HWND NavigationRoot(HWND dialog) {
  for (WindowPtr window = FindWindowObject(dialog); window; window = FindWindowObject(window->parent)) {
    if (!window->IsChildWindow() || !(window->exStyle & WS_EX_CONTROLPARENT) || !FindWindowObject(window->parent)) {
      return window->handle;
    }
  }
  return nullptr;
}

namespace {

bool IsShownAndEnabled(const Window& window) { return (window.style & (WS_VISIBLE | WS_DISABLED)) == WS_VISIBLE; }

void Collect(HWND parent, std::vector<HWND>& out) {
  const WindowPtr window = FindWindowObject(parent);
  if (!window) return;
  for (HWND child : window->children) {
    const WindowPtr control = FindWindowObject(child);
    if (control->exStyle & WS_EX_CONTROLPARENT) {
      if (IsShownAndEnabled(*control)) Collect(child, out);
    } else {
      out.push_back(child);
    }
  }
}

}  // namespace

std::vector<HWND> ControlsInTabOrder(HWND dialog) {
  std::vector<HWND> out;
  Collect(dialog, out);
  return out;
}

bool IsTabStop(HWND control) {
  const WindowPtr window = FindWindowObject(control);
  return window && IsShownAndEnabled(*window) && (window->style & WS_TABSTOP);
}

void FocusDialogControl(HWND control) {
  SetFocus(control);
  const WindowPtr window = FindWindowObject(control);
  if (window && window->className == u"Edit" && GetFocus() == control) SendMessageW(control, EM_SETSEL, 0, -1);
}

}  // namespace platform
