#include "TestDialog.h"

namespace testing_win32 {

TestDialog::TestDialog(DWORD style, HWND parent, DWORD exStyle) {
  hwnd_ = CreateWindowExW(exStyle, u"#32770", u"Test", style, 0, 0, 200, 100, parent, nullptr, nullptr, nullptr);
  SetWindowLongPtrW(hwnd_, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(&TestDialog::Proc));
}

TestDialog::~TestDialog() {
  onCommand = nullptr;
  DestroyWindow(hwnd_);
  platform::SetKeyDown(VK_SHIFT, false);
}

HWND TestDialog::Add(LPCWSTR className, int id, DWORD style, LPCWSTR text, HWND parent) {
  return CreateWindowExW(0, className, text, style | WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent ? parent : hwnd_,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void TestDialog::Send(UINT message, WPARAM wParam) {
  MSG msg{GetFocus(), message, wParam, 0};
  IsDialogMessageW(hwnd_, &msg);
}

void TestDialog::Type(const std::u16string& text) {
  for (char16_t c : text) Send(WM_CHAR, c);
}

void TestDialog::Press(int virtualKey, bool shift) {
  platform::SetKeyDown(VK_SHIFT, shift);
  Send(WM_KEYDOWN, static_cast<WPARAM>(virtualKey));
  platform::SetKeyDown(VK_SHIFT, false);
}

INT_PTR CALLBACK TestDialog::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (self == nullptr) return FALSE;
  if (msg == WM_COMMAND) {
    self->events.emplace_back(LOWORD(wParam), HIWORD(wParam));
    if (self->onCommand) self->onCommand(LOWORD(wParam), HIWORD(wParam));
    return TRUE;
  }
  if (msg == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    self->events.emplace_back(static_cast<int>(header->idFrom), static_cast<int>(header->code));
    if (header->code == TCN_SELCHANGING) SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, self->selChangingAnswer);
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
