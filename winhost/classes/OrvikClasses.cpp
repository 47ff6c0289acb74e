// The host UI class library's functions for the Windows build, where the plug-in links its own
// small implementation of the library (its classes cannot cross from the host's compiler).

#include "host/OrvikClasses.h"

#include <climits>
#include <cwctype>
#include <string>

namespace {

bool IsNameStart(WCHAR c) { return c == L'_' || std::iswalpha(c); }
bool IsNamePart(WCHAR c) { return c == L'_' || std::iswalnum(c); }
bool IsDigit(WCHAR c) { return c >= L'0' && c <= L'9'; }
bool IsBlank(WCHAR c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// Moves past the characters that pass; false when none did.
template <class Test>
bool Skip(const WCHAR*& p, Test test) {
  const WCHAR* start = p;
  while (*p && test(*p)) ++p;
  return p != start;
}

bool IsIdentifier(const WCHAR*& p) { return IsNameStart(*p) && Skip(p, IsNamePart); }

bool IsTagName(const CString& value) {
  const WCHAR* p = value;
  if (value.GetLength() > 255 || !IsIdentifier(p)) return false;
  if (*p == L'[' && !(Skip(++p, IsDigit) && *p++ == L']')) return false;
  if (*p == L'.' && !IsIdentifier(++p)) return false;
  return *p == 0;
}

bool IsNumber(const CString& value) {
  const WCHAR* p = value;
  if (*p == L'+' || *p == L'-') ++p;
  bool whole = Skip(p, IsDigit);
  bool fraction = *p == L'.' && Skip(++p, IsDigit);
  if (!whole && !fraction) return false;
  if (*p == L'e' || *p == L'E') {
    ++p;
    if (*p == L'+' || *p == L'-') ++p;
    if (!Skip(p, IsDigit)) return false;
  }
  return *p == 0;
}

[[noreturn]] void Refuse(CDataExchange* pDX, LPCWSTR format, const CString& value) {
  CString prompt;
  prompt.Format(format, value);
  AfxMessageBox(prompt, MB_ICONEXCLAMATION);
  pDX->Fail();
}

}  // namespace

BOOL InitializeOrvikClasses(int) { return TRUE; }

void DDV_TagName(CDataExchange* pDX, const CString& value) {
  if (!pDX->m_bSaveAndValidate || value.IsEmpty() || IsTagName(value)) return;
  Refuse(pDX,
         L"\"%s\" is not a valid tag name.\nA tag name begins with a letter or an underscore, followed by letters, "
         L"digits or underscores; it may name an element (Name[2]) or a member (Name.Member).",
         value);
}

void DDV_VarVal(CDataExchange* pDX, const CString& value) {
  if (!pDX->m_bSaveAndValidate || value.IsEmpty() || IsTagName(value) || IsNumber(value)) return;
  Refuse(pDX, L"\"%s\" is neither a tag name nor a number.", value);
}

void Trim(LPWSTR text) {
  if (text == nullptr) return;
  std::wstring value(text);
  size_t end = value.size();
  while (end > 0 && IsBlank(value[end - 1])) --end;
  size_t start = 0;
  while (start < end && IsBlank(value[start])) ++start;
  value.copy(text, end - start, start);
  text[end - start] = 0;
}

void Trim(CString& text) {
  std::wstring copy(text.GetString());
  Trim(copy.data());
  text = copy.c_str();
}

BOOL __AfxSimpleIntegerParse(LPCWSTR text, int& value) {
  if (text == nullptr) return FALSE;
  const WCHAR* p = text;
  bool negative = *p == L'-';
  if (*p == L'+' || *p == L'-') ++p;
  long long parsed = 0;
  const WCHAR* digits = p;
  for (; IsDigit(*p); ++p) {
    parsed = parsed * 10 + (*p - L'0');
    if (parsed > static_cast<long long>(INT_MAX) + 1) return FALSE;
  }
  if (p == digits || *p != 0) return FALSE;
  if (negative) parsed = -parsed;
  if (parsed < INT_MIN || parsed > INT_MAX) return FALSE;
  value = static_cast<int>(parsed);
  return TRUE;
}
