#include "ComboBoxControl.h"

#include <algorithm>

#include "TextConversion.h"
#include "WindowManager.h"
#include "WindowTree.h"

namespace platform {

namespace {

std::u16string TextOf(LPARAM text) { return text ? std::u16string(reinterpret_cast<LPCWSTR>(text)) : std::u16string(); }

}  // namespace

LRESULT ComboBoxControl::Find(const Window& combo, WPARAM start, LPARAM text) {
  const auto count = static_cast<int>(combo.items.size());
  if (count == 0) return CB_ERR;
  const std::u16string wanted = TextOf(text);
  // The search starts after the given item and wraps around; -1 searches from the top.
  const int first = static_cast<int>(start) < 0 || static_cast<int>(start) >= count ? 0 : static_cast<int>(start) + 1;
  for (int k = 0; k < count; ++k) {
    const int index = (first + k) % count;
    const std::u16string& item = combo.items[static_cast<size_t>(index)].text;
    if (StartsWithIgnoreCase(item, wanted)) return index;
  }
  return CB_ERR;
}

LRESULT ComboBoxControl::Select(Window& combo, int index) {
  if (index < 0 || index >= static_cast<int>(combo.items.size())) {
    combo.currentItem = -1;
    combo.text.clear();
    return CB_ERR;
  }
  combo.currentItem = index;
  combo.text = combo.items[static_cast<size_t>(index)].text;
  return index;
}

LRESULT ComboBoxControl::Insert(Window& combo, int index, LPARAM text) {
  const auto count = static_cast<int>(combo.items.size());
  if (index > count) return CB_ERR;
  if (index < 0) index = count;
  combo.items.insert(combo.items.begin() + index, ListItem{TextOf(text), 0});
  if (combo.currentItem >= index) ++combo.currentItem;
  return index;
}

bool ComboBoxControl::Pick(HWND hwnd, int index) {
  const WindowPtr combo = FindWindowObject(hwnd);
  if (!combo || !AcceptsInput(hwnd) || index < 0 || index >= static_cast<int>(combo->items.size())) return false;
  Select(*combo, index);
  NotifyParent(hwnd, CBN_SELCHANGE);
  return true;
}

LRESULT CALLBACK ComboBoxControl::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WindowPtr combo = FindWindowObject(hwnd);
  if (!combo) return 0;
  Window& c = *combo;
  switch (msg) {
    case CB_ADDSTRING: {
      if (!(c.style & CBS_SORT)) return Insert(c, -1, lParam);
      const std::u16string text = FoldCase(TextOf(lParam));
      const auto after = std::find_if(c.items.begin(), c.items.end(),
                                      [&text](const ListItem& item) { return FoldCase(item.text) > text; });
      return Insert(c, static_cast<int>(after - c.items.begin()), lParam);
    }
    case CB_GETCOUNT:
      return static_cast<LRESULT>(c.items.size());
    case CB_GETCURSEL:
      return c.currentItem;
    case CB_SETCURSEL:
      return Select(c, static_cast<int>(wParam));
    case CB_GETLBTEXTLEN:
    case CB_GETLBTEXT: {
      const auto index = static_cast<int>(wParam);
      if (index < 0 || index >= static_cast<int>(c.items.size())) return CB_ERR;
      const std::u16string& text = c.items[static_cast<size_t>(index)].text;
      if (msg == CB_GETLBTEXT && lParam != 0) {
        auto* buffer = reinterpret_cast<LPWSTR>(lParam);
        std::copy(text.begin(), text.end(), buffer);
        buffer[text.size()] = 0;
      }
      return static_cast<LRESULT>(text.size());
    }
    case CB_FINDSTRING:
      return Find(c, wParam, lParam);
    case CB_SELECTSTRING: {
      const LRESULT found = Find(c, wParam, lParam);
      return found == CB_ERR ? CB_ERR : Select(c, static_cast<int>(found));
    }
    case CB_SHOWDROPDOWN:
      c.droppedDown = wParam != 0;
      return TRUE;
    case CB_GETDROPPEDSTATE:
      return c.droppedDown;
    case WM_KEYDOWN: {
      const auto last = static_cast<int>(c.items.size()) - 1;
      const int target = wParam == VK_DOWN ? std::min(c.currentItem + 1, last)
                         : wParam == VK_UP ? std::max(c.currentItem - 1, 0)
                         : wParam == VK_HOME ? 0
                         : wParam == VK_END ? last
                                            : c.currentItem;
      if (target != c.currentItem) Pick(hwnd, target);
      return 0;
    }
    case WM_SETFOCUS:
      NotifyParent(hwnd, CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      c.droppedDown = false;
      NotifyParent(hwnd, CBN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace platform
