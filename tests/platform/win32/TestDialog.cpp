#include "TestDialog.h"

namespace testing_win32 {

TestDialog::TestDialog() {
  hwnd_ = CreateWindowExW(0, u"#32770", u"Test", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(hwnd_, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&TestDialog::Proc));
}

TestDialog::~TestDialog() { DestroyWindow(hwnd_); }

HWND TestDialog::Add(LPCWSTR className, int id, DWORD style, LPCWSTR text, HWND parent) {
  return CreateWindowExW(0, className, text, style | WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent ? parent : hwnd_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void TestDialog::Type(const std::u16string& text) {
  for (char16_t c : text) {
    MSG msg{GetFocus(), WM_CHAR, c, 0};
    IsDialogMessageW(hwnd_, &msg);
  }
}

INT_PTR CALLBACK TestDialog::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM /*lParam*/) {
  auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (msg == WM_COMMAND) {
    self->events.emplace_back(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

std::u16string TextOf(HWND hwnd) {
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, u'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::pair<DWORD, DWORD> SelectionOf(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

}  // namespace testing_win32
