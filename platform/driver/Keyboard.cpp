#include "Keyboard.h"

#include <algorithm>

#include "../win32/FrontEnd.h"

namespace driver {

namespace {

struct KeyName {
  const char* name;
  Key key;
  WPARAM virtualKey;  // 0: delivered otherwise, see PressKey
};

constexpr KeyName kKeys[] = {
    {"Tab", Key::Tab, VK_TAB},
    {"Shift+Tab", Key::ShiftTab, 0},
    {"Enter", Key::Enter, VK_RETURN},
    {"Escape", Key::Escape, VK_ESCAPE},
    {"Space", Key::Space, 0},
    {"Backspace", Key::Backspace, VK_BACK},
    {"Delete", Key::Delete, VK_DELETE},
    {"Left", Key::Left, VK_LEFT},
    {"Right", Key::Right, VK_RIGHT},
    {"Up", Key::Up, VK_UP},
    {"Down", Key::Down, VK_DOWN},
    {"Home", Key::Home, VK_HOME},
    {"End", Key::End, VK_END},
    {"Ctrl+PgDn", Key::CtrlPageDown, 0},
    {"Ctrl+PgUp", Key::CtrlPageUp, 0},
};

void Deliver(HWND window, UINT message, WPARAM wParam) {
  MSG msg{GetFocus(), message, wParam, 0};
  if (!IsDialogMessageW(window, &msg)) DispatchMessageW(&msg);
}

}  // namespace

bool KeyFromName(std::string_view name, Key& key) {
  for (const KeyName& each : kKeys) {
    if (name == each.name) {
      key = each.key;
      return true;
    }
  }
  return false;
}

void PressKey(HWND window, Key key) {
  switch (key) {
    case Key::ShiftTab:
      platform::SetKeyDown(VK_SHIFT, true);
      Deliver(window, WM_KEYDOWN, VK_TAB);
      platform::SetKeyDown(VK_SHIFT, false);
      break;
    case Key::Space:
      Deliver(window, WM_KEYDOWN, VK_SPACE);
      Deliver(window, WM_CHAR, u' ');
      break;
    case Key::CtrlPageDown:
    case Key::CtrlPageUp: {
      // The sheet's keyboard switch: the next or previous tab, wrapping around.
      const HWND tabs = SheetTabs(window);
      if (tabs == nullptr) break;
      const auto count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
      const auto current = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
      const int next = (current + (key == Key::CtrlPageDown ? 1 : count - 1)) % std::max(count, 1);
      SendMessageW(window, PSM_SETCURSEL, static_cast<WPARAM>(next), 0);
      break;
    }
    default:
      for (const KeyName& each : kKeys) {
        if (each.key == key) Deliver(window, WM_KEYDOWN, each.virtualKey);
      }
      break;
  }
}

void TypeChar(HWND window, char16_t ch) {
  if (ch == u'\n')
    Deliver(window, WM_KEYDOWN, VK_RETURN);
  else
    Deliver(window, WM_CHAR, ch);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

HWND SheetTabs(HWND window) { return reinterpret_cast<HWND>(SendMessageW(window, PSM_GETTABCONTROL, 0, 0)); }

}  // namespace driver
