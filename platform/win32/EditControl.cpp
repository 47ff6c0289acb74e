#include "EditControl.h"

#include <algorithm>

#include "WindowManager.h"
#include "WindowTree.h"

namespace platform {

namespace {

// What EM_LIMITTEXT with zero sets for a single-line edit.
constexpr size_t kLargestLimit = 0x7FFFFFFE;

size_t SelectionStart(const Window& edit) { return std::min(edit.selectionAnchor, edit.selectionCaret); }
size_t SelectionEnd(const Window& edit) { return std::max(edit.selectionAnchor, edit.selectionCaret); }

}  // namespace

void EditControl::SetSelection(Window& edit, LPARAM start, LPARAM end) {
  const auto length = static_cast<LPARAM>(edit.text.size());
  if (start == -1) {  // removes the selection, leaving the caret where it is
    edit.selectionAnchor = edit.selectionCaret;
    return;
  }
  const auto clamp = [length](LPARAM position) {
    return static_cast<size_t>(position < 0 || position > length ? length : position);
  };
  edit.selectionAnchor = clamp(start);
  edit.selectionCaret = clamp(end);
}

void EditControl::ReplaceSelection(HWND hwnd, Window& edit, const std::u16string& text) {
  const size_t start = SelectionStart(edit);
  edit.text.replace(start, SelectionEnd(edit) - start, text);
  edit.selectionAnchor = edit.selectionCaret = start + text.size();
  NotifyParent(hwnd, EN_CHANGE);
}

void EditControl::Type(HWND hwnd, Window& edit, char16_t c) {
  if (c < u' ' || (edit.style & ES_READONLY)) return;
  const size_t selected = SelectionEnd(edit) - SelectionStart(edit);
  if (edit.text.size() - selected + 1 > edit.textLimit) {
    NotifyParent(hwnd, EN_MAXTEXT);
    return;
  }
  ReplaceSelection(hwnd, edit, std::u16string(1, c));
}

void EditControl::PressKey(HWND hwnd, Window& edit, WPARAM key) {
  const bool extend = GetKeyState(VK_SHIFT) < 0;
  const auto moveCaret = [&edit, extend](size_t caret) {
    edit.selectionCaret = caret;
    if (!extend) edit.selectionAnchor = caret;
  };
  const size_t caret = edit.selectionCaret;
  switch (key) {
    case VK_LEFT:
      moveCaret(caret > 0 ? caret - 1 : 0);
      break;
    case VK_RIGHT:
      moveCaret(std::min(caret + 1, edit.text.size()));
      break;
    case VK_HOME:
      moveCaret(0);
      break;
    case VK_END:
      moveCaret(edit.text.size());
      break;
    case VK_BACK:
    case VK_DELETE:
      if (edit.style & ES_READONLY) break;
      if (SelectionStart(edit) == SelectionEnd(edit)) {
        if (key == VK_BACK && caret == 0) break;
        if (key == VK_DELETE && caret == edit.text.size()) break;
        edit.selectionAnchor = key == VK_BACK ? caret - 1 : caret + 1;
      }
      ReplaceSelection(hwnd, edit, u"");
      break;
    default:
      break;
  }
}

LRESULT CALLBACK EditControl::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  const WindowPtr edit = FindWindowObject(hwnd);
  if (!edit) return 0;
  switch (msg) {
    case WM_CHAR:
      if (AcceptsInput(hwnd)) Type(hwnd, *edit, static_cast<char16_t>(wParam));
      return 0;
    case WM_KEYDOWN:
      if (AcceptsInput(hwnd)) PressKey(hwnd, *edit, wParam);
      return 0;
    case WM_SETTEXT:
      // Setting the text ignores the limit, puts the caret at the start and notifies as typing does.
      DefWindowProcW(hwnd, msg, wParam, lParam);
      edit->selectionAnchor = edit->selectionCaret = 0;
      NotifyParent(hwnd, EN_CHANGE);
      return TRUE;
    case EM_GETSEL: {
      const auto start = static_cast<DWORD>(SelectionStart(*edit));
      const auto end = static_cast<DWORD>(SelectionEnd(*edit));
      if (wParam != 0) *reinterpret_cast<DWORD*>(wParam) = start;
      if (lParam != 0) *reinterpret_cast<DWORD*>(lParam) = end;
      return MAKELONG(std::min<DWORD>(start, 0xFFFF), std::min<DWORD>(end, 0xFFFF));
    }
    case EM_SETSEL:
      SetSelection(*edit, static_cast<LPARAM>(wParam), lParam);
      return 0;
    case EM_SCROLLCARET:
      return TRUE;
    case EM_LIMITTEXT:
      edit->textLimit = wParam == 0 ? kLargestLimit : static_cast<size_t>(wParam);
      return 0;
    case EM_GETLIMITTEXT:
      return static_cast<LRESULT>(edit->textLimit);
    case EM_SETREADONLY:
      edit->style = wParam ? (edit->style | ES_READONLY) : (edit->style & ~static_cast<DWORD>(ES_READONLY));
      return TRUE;
    case WM_SETFOCUS:
      NotifyParent(hwnd, EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      NotifyParent(hwnd, EN_KILLFOCUS);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

}  // namespace platform
