// The host UI class library's functions.

#include "host/OrvikClasses.h"

#include <charconv>
#include <climits>
#include <string>

#include "hostsim/Host.h"
#include "hostsim/TagName.h"
#include "platform/mfc/AfxMessageBox.h"

namespace {

bool IsTagName(const CString& value) {
  const auto name = hostsim::TagName::Parse(value.GetStdString());
  return name && !name->indirect;
}

bool IsNumber(const CString& value) {
  std::string ascii;
  for (int i = 0; i < value.GetLength(); ++i) {
    if (value[i] > 0x7F) return false;
    ascii += static_cast<char>(value[i]);
  }
  const char* first = ascii.data();
  const char* last = first + ascii.size();
  if (first != last && (*first == '+' || *first == '-')) ++first;
  if (first == last || *first == '+' || *first == '-') return false;
  double parsed = 0;
  const auto [end, error] = std::from_chars(first, last, parsed);
  return error == std::errc() && end == last;
}

[[noreturn]] void Refuse(CDataExchange* pDX, LPCWSTR format, const CString& value) {
  CString prompt;
  prompt.Format(format, value);
  AfxMessageBox(prompt, MB_ICONEXCLAMATION);
  pDX->Fail();
}

bool IsBlank(WCHAR c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

}  // namespace

BOOL InitializeOrvikClasses(int /*reserved*/) {
  hostsim::Host::Instance().NoteClassLibraryInitialized();
  return TRUE;
}

void DDV_TagName(CDataExchange* pDX, const CString& value) {
  if (!pDX->m_bSaveAndValidate || value.IsEmpty() || IsTagName(value)) return;
  Refuse(pDX,
         u"\"%s\" is not a valid tag name.\nA tag name begins with a letter or an underscore, followed by letters, "
         u"digits or underscores; it may name an element (Name[2]) or a member (Name.Member).",
         value);
}

void DDV_VarVal(CDataExchange* pDX, const CString& value) {
  if (!pDX->m_bSaveAndValidate || value.IsEmpty() || IsTagName(value) || IsNumber(value)) return;
  Refuse(pDX, u"\"%s\" is neither a tag name nor a number.", value);
}

void Trim(LPWSTR text) {
  if (text == nullptr) return;
  std::size_t length = std::char_traits<char16_t>::length(text);
  while (length > 0 && IsBlank(text[length - 1])) --length;
  std::size_t start = 0;
  while (start < length && IsBlank(text[start])) ++start;
  std::char_traits<char16_t>::move(text, text + start, length - start);
  text[length - start] = 0;
}

void Trim(CString& text) {
  std::u16string copy = text.GetStdString();
  Trim(copy.data());
  text = copy.c_str();
}

BOOL __AfxSimpleIntegerParse(LPCWSTR text, int& value) {
  if (text == nullptr) return FALSE;
  std::string ascii;
  for (const WCHAR* p = text; *p != 0; ++p) {
    if (*p > 0x7F) return FALSE;
    ascii += static_cast<char>(*p);
  }
  const char* first = ascii.data();
  const char* last = first + ascii.size();
  if (first != last && *first == '+') ++first;
  if (first == last || *first == '+' || (*first == '-' && ascii[0] == '+')) return FALSE;
  long long parsed = 0;
  const auto [end, error] = std::from_chars(first, last, parsed);
  if (error != std::errc() || end != last || parsed < INT_MIN || parsed > INT_MAX) return FALSE;
  value = static_cast<int>(parsed);
  return TRUE;
}
