#pragma once
// The "Edit" class, single line: typing at the selection, the editing keys, the
// selection and text-limit messages, read-only mode and the notifications to the parent.
// Characters arrive as WM_CHAR and editing keys as WM_KEYDOWN; nothing translates one into
// the other, so Backspace is a key here.

#include <string>

#include "WinUser.h"

namespace platform {

struct Window;

class EditControl {
 public:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  static void Type(HWND hwnd, Window& edit, char16_t c);
  static void PressKey(HWND hwnd, Window& edit, WPARAM key);
  // Replaces the selection and tells the parent that the text changed.
  static void ReplaceSelection(HWND hwnd, Window& edit, const std::u16string& text);
  static void SetSelection(Window& edit, LPARAM start, LPARAM end);
};

}  // namespace platform
