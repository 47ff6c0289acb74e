#include "TabControl.h"

#include <algorithm>

#include "WindowManager.h"
#include "WindowTree.h"

namespace platform {

LRESULT TabControl::Notify(HWND hwnd, UINT code) {
  const WindowPtr tab = FindWindowObject(hwnd);
  const HWND parent = ParentOf(hwnd);
  if (!tab || parent == nullptr) return 0;
  NMHDR header{hwnd, static_cast<UINT_PTR>(tab->id), code};
  return SendMessageW(parent, WM_NOTIFY, static_cast<WPARAM>(tab->id), reinterpret_cast<LPARAM>(&header));
}

bool TabControl::Pick(HWND hwnd, int index) {
  WindowPtr tab = FindWindowObject(hwnd);
  if (!tab || !AcceptsInput(hwnd) || index < 0 || index >= static_cast<int>(tab->items.size())) return false;
  SetFocus(hwnd);
  if (tab->destroyed) return false;
  if (index == tab->currentItem) return true;
  if (Notify(hwnd, TCN_SELCHANGING) != 0 || tab->destroyed) return false;
  tab->currentItem = index;
  Notify(hwnd, TCN_SELCHANGE);
  return true;
}

LRESULT CALLBACK TabControl::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WindowPtr tab = FindWindowObject(hwnd);
  if (!tab) return 0;
  const auto count = static_cast<int>(tab->items.size());
  const auto index = static_cast<int>(wParam);
  switch (msg) {
    case TCM_GETITEMCOUNT:
      return count;
    case TCM_DELETEALLITEMS:
      tab->items.clear();
      tab->currentItem = -1;
      return TRUE;
    case TCM_GETCURSEL:
      return tab->currentItem;
    case TCM_SETCURSEL: {
      if (index < 0 || index >= count) return -1;
      const int previous = tab->currentItem;
      tab->currentItem = index;
      return previous;
    }
    case TCM_INSERTITEMW: {
      const auto* item = reinterpret_cast<const TCITEMW*>(lParam);
      if (item == nullptr || index < 0) return -1;
      const int at = std::min(index, count);
      ListItem entry{(item->mask & TCIF_TEXT) && item->pszText ? std::u16string(item->pszText) : std::u16string(),
                     item->lParam};
      tab->items.insert(tab->items.begin() + at, std::move(entry));
      if (tab->currentItem >= at) ++tab->currentItem;
      if (tab->currentItem < 0) tab->currentItem = 0;  // the first tab inserted becomes the current one
      return at;
    }
    case TCM_GETITEMW: {
      auto* item = reinterpret_cast<TCITEMW*>(lParam);
      if (item == nullptr || index < 0 || index >= count) return FALSE;
      const ListItem& entry = tab->items[static_cast<size_t>(index)];
      item->lParam = entry.data;
      if ((item->mask & TCIF_TEXT) && item->pszText != nullptr && item->cchTextMax > 0) {
        const size_t length = std::min(entry.text.size(), static_cast<size_t>(item->cchTextMax - 1));
        std::copy_n(entry.text.begin(), length, item->pszText);
        item->pszText[length] = 0;
      }
      return TRUE;
    }
    case WM_KEYDOWN:
      if (wParam == VK_LEFT && tab->currentItem > 0) Pick(hwnd, tab->currentItem - 1);
      if (wParam == VK_RIGHT && tab->currentItem + 1 < count) Pick(hwnd, tab->currentItem + 1);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace platform
