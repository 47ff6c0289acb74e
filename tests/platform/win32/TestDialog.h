#pragma once
// A dialog built window by window, whose procedure records every notification it hears, and
// a user who types and presses keys into it through the dialog manager.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/FrontEnd.h"
#include <windows.h>

namespace testing_win32 {

// A notification as the dialog heard it: the control id and the code.
using Event = std::pair<int, int>;

class TestDialog {
 public:
  explicit TestDialog(DWORD style = WS_POPUP | WS_VISIBLE, HWND parent = nullptr, DWORD exStyle = 0);
  ~TestDialog();
  TestDialog(const TestDialog&) = delete;
  TestDialog& operator=(const TestDialog&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Adds a visible child control (to the dialog, or to another parent inside it).
  HWND Add(LPCWSTR className, int id, DWORD style, LPCWSTR text = u"", HWND parent = nullptr);

  void Type(const std::u16string& text);
  void Press(int virtualKey, bool shift = false);

  // WM_COMMAND and WM_NOTIFY codes heard, in order.
  std::vector<Event> events;
  // Runs on every WM_COMMAND after it was recorded.
  std::function<void(int id, int code)> onCommand;
  // The answer to TCN_SELCHANGING (non-zero refuses the switch).
  LRESULT selChangingAnswer = 0;

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void Send(UINT message, WPARAM wParam);
  HWND hwnd_ = nullptr;
};

std::u16string TextOf(HWND hwnd);
// The selection of an edit as (start, end).
std::pair<DWORD, DWORD> SelectionOf(HWND edit);

}  // namespace testing_win32
