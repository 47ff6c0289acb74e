#include "WindowDriver.h"

#include <commctrl.h>
#include <prsht.h>

#include <vector>

namespace {

std::vector<HWND> ThreadWindows(DWORD thread) {
  std::vector<HWND> windows;
  EnumThreadWindows(
      thread,
      [](HWND hWnd, LPARAM param) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hWnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

bool IsDialog(HWND hWnd) {
  WCHAR name[16] = {};
  GetClassNameW(hWnd, name, 16);
  return std::wstring(name) == L"#32770" && IsWindowVisible(hWnd);
}

LPARAM Centre(HWND control) {
  RECT r;
  GetClientRect(control, &r);
  return MAKELPARAM((r.right - r.left) / 2, (r.bottom - r.top) / 2);
}

void PostClick(HWND control, LPARAM at) {
  PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(control, WM_LBUTTONUP, 0, at);
}

}  // namespace

HWND WindowDriver::WaitForWindow(const std::wstring& caption) const {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND hWnd : ThreadWindows(m_uiThread)) {
      if (IsWindowVisible(hWnd) && IsWindowEnabled(hWnd) && Text(hWnd) == caption) found = hWnd;
    }
    return found != nullptr;
  });
  return found;
}

HWND WindowDriver::FindOtherDialog(HWND known, HWND alsoKnown) const {
  for (HWND hWnd : ThreadWindows(m_uiThread)) {
    if (hWnd != known && hWnd != alsoKnown && IsDialog(hWnd)) return hWnd;
  }
  return nullptr;
}

bool WindowDriver::Type(HWND edit, const std::wstring& text) const {
  PostClick(edit, MAKELPARAM(2, 2));
  PostMessageW(edit, EM_SETSEL, 0, -1);
  for (WCHAR c : text) PostMessageW(edit, WM_CHAR, c, 1);
  return WaitUntil([&] { return Text(edit) == text; });
}

void WindowDriver::Click(HWND control) const { PostClick(control, Centre(control)); }

bool WindowDriver::ClickCheckBox(HWND checkBox) const {
  LRESULT before = SendMessageW(checkBox, BM_GETCHECK, 0, 0);
  Click(checkBox);
  return WaitUntil([&] { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) != before; });
}

void WindowDriver::PressTab(HWND sheet, int index) const {
  HWND tab = TabControl(sheet);
  RECT item{};
  SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  PostClick(tab, MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2));
}

bool WindowDriver::ClickTab(HWND sheet, int index) const {
  HWND before = CurrentPage(sheet);
  PressTab(sheet, index);
  return WaitUntil([&] {
    HWND now = CurrentPage(sheet);
    return SendMessageW(TabControl(sheet), TCM_GETCURSEL, 0, 0) == index && now != nullptr && now != before &&
           IsWindowVisible(now);
  });
}

HWND WindowDriver::CurrentPage(HWND sheet) {
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND WindowDriver::TabControl(HWND sheet) { return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETTABCONTROL, 0, 0)); }

void WindowDriver::PressButton(HWND dialog, int id) const { Click(GetDlgItem(dialog, id)); }

std::wstring WindowDriver::Text(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

bool WindowDriver::WaitUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  for (DWORD waited = 0; waited < milliseconds; waited += 20) {
    if (condition()) return true;
    Sleep(20);
  }
  return condition();
}
