#pragma once
// A dialog built window by window, whose procedure records every notification it hears, and
// a user who types into it through the dialog manager.

#include <string>
#include <utility>
#include <vector>

#include <windows.h>

namespace testing_win32 {

// A notification as the dialog heard it: the control id and the code.
using Event = std::pair<int, int>;

class TestDialog {
 public:
  TestDialog();
  ~TestDialog();
  TestDialog(const TestDialog&) = delete;
  TestDialog& operator=(const TestDialog&) = delete;

  HWND hwnd() const { return hwnd_; }
  // Adds a visible child control (to the dialog, or to another parent inside it).
  HWND Add(LPCWSTR className, int id, DWORD style, LPCWSTR text = u"", HWND parent = nullptr);

  void Type(const std::u16string& text);

  // WM_COMMAND codes heard, in order.
  std::vector<Event> events;

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

std::u16string TextOf(HWND hwnd);
// The selection of an edit as (start, end).
std::pair<DWORD, DWORD> SelectionOf(HWND edit);

}  // namespace testing_win32
