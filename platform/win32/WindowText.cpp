// Window text, and dialog items read and written as text or as whole numbers.

#include <climits>
#include <string>

#include "WindowManager.h"

int GetWindowTextW(HWND hwnd, LPWSTR buffer, int capacity) {
  if (buffer == nullptr || capacity <= 0) return 0;
  buffer[0] = 0;
  if (!IsWindow(hwnd)) return 0;
  return static_cast<int>(SendMessageW(hwnd, WM_GETTEXT, static_cast<WPARAM>(capacity), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND hwnd) { return static_cast<int>(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0)); }

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text) {
  if (!IsWindow(hwnd)) return FALSE;
  return static_cast<BOOL>(SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text ? text : u"")));
}

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) { return SetWindowTextW(GetDlgItem(dialog, id), text); }

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR buffer, int capacity) {
  return static_cast<UINT>(GetWindowTextW(GetDlgItem(dialog, id), buffer, capacity));
}

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

// Reads a whole decimal number with optional blanks around it (and a minus sign when signed).
bool ReadWholeNumber(const std::u16string& text, bool isSigned, long long& value) {
  size_t at = 0;
  size_t end = text.size();
  while (at < end && IsBlank(text[at])) ++at;
  while (end > at && IsBlank(text[end - 1])) --end;
  const bool negative = isSigned && at < end && text[at] == u'-';
  if (negative) ++at;
  if (at == end) return false;
  long long magnitude = 0;
  for (; at < end; ++at) {
    if (text[at] < u'0' || text[at] > u'9') return false;
    magnitude = magnitude * 10 + (text[at] - u'0');
    if (magnitude > static_cast<long long>(UINT_MAX)) return false;
  }
  value = negative ? -magnitude : magnitude;
  return isSigned ? value >= INT_MIN && value <= INT_MAX : true;
}

}  // namespace

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned) {
  if (translated != nullptr) *translated = FALSE;
  const HWND item = GetDlgItem(dialog, id);
  if (item == nullptr) return 0;
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(item)) + 1, u'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(item, text.data(), static_cast<int>(text.size()))));
  long long value = 0;
  if (!ReadWholeNumber(text, isSigned != FALSE, value)) return 0;
  if (translated != nullptr) *translated = TRUE;
  return static_cast<UINT>(value);
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned) {
  const std::string digits = isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
  return SetDlgItemTextW(dialog, id, std::u16string(digits.begin(), digits.end()).c_str());
}
