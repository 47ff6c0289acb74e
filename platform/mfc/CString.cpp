#include "CString.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <locale.h>
#include <string>
#include <windows.h>

#include "AfxModuleState.h"

namespace {

bool IsBlank(WCHAR ch) { return ch == TEXT(' ') || (ch >= TEXT('\t') && ch <= TEXT('\r')); }

// Case mapping for the scripts the product's languages use: ASCII, Latin-1, Latin
// Extended-A, Greek and Cyrillic.
WCHAR ToUpper(WCHAR ch) {
  if (ch >= TEXT('a') && ch <= TEXT('z')) return static_cast<WCHAR>(ch - 32);
  if (ch < 0x80) return ch;
  if ((ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) || (ch >= 0x3B1 && ch <= 0x3C9 && ch != 0x3C2) ||
      (ch >= 0x430 && ch <= 0x44F))
    return static_cast<WCHAR>(ch - 32);
  if (ch == 0xFF) return 0x178;
  if (ch >= 0x450 && ch <= 0x45F) return static_cast<WCHAR>(ch - 80);
  if (ch >= 0x100 && ch <= 0x17F && ch != 0x130 && ch != 0x131 && ch != 0x138 && ch != 0x149 &&
      ch != 0x17F) {
    bool evenIsLower = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
    bool isLower = evenIsLower ? (ch % 2 == 0) : (ch % 2 == 1);
    return isLower ? static_cast<WCHAR>(ch - 1) : ch;
  }
  return ch;
}

WCHAR ToLower(WCHAR ch) {
  if (ch >= TEXT('A') && ch <= TEXT('Z')) return static_cast<WCHAR>(ch + 32);
  if (ch < 0x80) return ch;
  if ((ch >= 0xC0 && ch <= 0xDE && ch != 0xD7) || (ch >= 0x391 && ch <= 0x3A9 && ch != 0x3A2) ||
      (ch >= 0x410 && ch <= 0x42F))
    return static_cast<WCHAR>(ch + 32);
  if (ch == 0x178) return 0xFF;
  if (ch >= 0x400 && ch <= 0x40F) return static_cast<WCHAR>(ch + 80);
  if (ch >= 0x100 && ch <= 0x17F && ch != 0x130 && ch != 0x131 && ch != 0x138 && ch != 0x149 &&
      ch != 0x17F) {
    bool evenIsLower = (ch >= 0x139 && ch <= 0x148) || (ch >= 0x179 && ch <= 0x17E);
    bool isUpper = evenIsLower ? (ch % 2 == 1) : (ch % 2 == 0);
    return isUpper ? static_cast<WCHAR>(ch + 1) : ch;
  }
  return ch;
}

AfxString Widen(const char* text) {
  AfxString out;
  for (const char* p = text; *p; ++p) out += static_cast<WCHAR>(static_cast<unsigned char>(*p));
  return out;
}

// One conversion of a format: %[flags][width][.precision][length]type.
struct Conversion {
  std::string flags;
  int width = -1;
  int precision = -1;
  char type = 0;
};

// Pads text to the conversion's width, on the left unless the '-' flag is given.
AfxString Pad(AfxString text, const Conversion& conversion) {
  if (conversion.width > static_cast<int>(text.size())) {
    const size_t missing = static_cast<size_t>(conversion.width) - text.size();
    if (conversion.flags.find('-') != std::string::npos)
      text.append(missing, TEXT(' '));
    else
      text.insert(0, missing, TEXT(' '));
  }
  return text;
}

// Numbers are formatted in the C locale whatever the process's locale is (a front end or a
// host may switch it): the decimal point is always a dot.
#ifdef _WIN32
class CLocaleScope {
 public:
  CLocaleScope() : m_mode(_configthreadlocale(_ENABLE_PER_THREAD_LOCALE)), m_previous(setlocale(LC_NUMERIC, nullptr)) {
    setlocale(LC_NUMERIC, "C");
  }
  ~CLocaleScope() {
    setlocale(LC_NUMERIC, m_previous.c_str());
    _configthreadlocale(m_mode);
  }

 private:
  int m_mode;
  std::string m_previous;
};
#else
class CLocaleScope {
 public:
  CLocaleScope() : m_previous(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(m_previous); }

 private:
  static locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    return c;
  }
  locale_t m_previous;
};
#endif

AfxString Convert(const Conversion& conversion, const CStringFormatArg* arg) {
  std::string narrow = "%";
  narrow += conversion.flags;
  if (conversion.width >= 0) narrow += std::to_string(conversion.width);
  if (conversion.precision >= 0) {
    narrow += '.';
    narrow += std::to_string(conversion.precision);
  }
  char buffer[512];
  CLocaleScope cLocale;
  switch (conversion.type) {
    case 's':
    case 'S': {
      AfxString text = arg && arg->AsText() ? arg->AsText() : TEXT("(null)");
      if (conversion.precision >= 0 && text.size() > static_cast<size_t>(conversion.precision))
        text.resize(static_cast<size_t>(conversion.precision));
      return Pad(text, conversion);
    }
    case 'c':
    case 'C':
      return Pad(AfxString(1, static_cast<WCHAR>(arg ? arg->AsUnsigned() : 0)), conversion);
    case 'd':
    case 'i':
      narrow += "lld";
      std::snprintf(buffer, sizeof buffer, narrow.c_str(), arg ? arg->AsSigned() : 0LL);
      return Widen(buffer);
    case 'u':
    case 'x':
    case 'X':
    case 'o':
      narrow += "ll";
      narrow += conversion.type;
      std::snprintf(buffer, sizeof buffer, narrow.c_str(), arg ? arg->AsUnsigned() : 0ULL);
      return Widen(buffer);
    default:
      narrow += conversion.type;
      std::snprintf(buffer, sizeof buffer, narrow.c_str(), arg ? arg->AsReal() : 0.0);
      return Widen(buffer);
  }
}

}  // namespace

CStringFormatArg::CStringFormatArg(const CString& text) : m_kind(Kind::Text), m_text(text.GetString()) {}

long long CStringFormatArg::AsSigned() const {
  switch (m_kind) {
    case Kind::Signed: return m_signed;
    case Kind::Unsigned: return static_cast<long long>(m_unsigned);
    case Kind::Real: return static_cast<long long>(m_real);
    case Kind::Text: return 0;
  }
  return 0;
}

unsigned long long CStringFormatArg::AsUnsigned() const {
  switch (m_kind) {
    case Kind::Signed: return static_cast<unsigned long long>(m_signed);
    case Kind::Unsigned: return m_unsigned;
    case Kind::Real: return static_cast<unsigned long long>(static_cast<long long>(m_real));
    case Kind::Text: return 0;
  }
  return 0;
}

double CStringFormatArg::AsReal() const {
  switch (m_kind) {
    case Kind::Signed: return static_cast<double>(m_signed);
    case Kind::Unsigned: return static_cast<double>(m_unsigned);
    case Kind::Real: return m_real;
    case Kind::Text: return 0.0;
  }
  return 0.0;
}

CString::CString(LPCWSTR text) {
  if (text) m_text = text;
}

CString::CString(LPCWSTR text, int length) {
  if (text && length > 0) m_text.assign(text, static_cast<size_t>(length));
}

CString::CString(WCHAR ch, int repeat) {
  if (repeat > 0) m_text.assign(static_cast<size_t>(repeat), ch);
}

CString& CString::operator=(LPCWSTR text) {
  m_text = text ? text : TEXT("");
  return *this;
}

CString& CString::operator+=(const CString& text) {
  m_text += text.m_text;
  return *this;
}

CString& CString::operator+=(LPCWSTR text) {
  if (text) m_text += text;
  return *this;
}

CString& CString::operator+=(WCHAR ch) {
  m_text += ch;
  return *this;
}

BOOL CString::LoadString(UINT id) {
  AfxString buffer(256, TEXT('\0'));
  for (;;) {
    int length = ::LoadStringW(AfxGetResourceHandle(), id, buffer.data(), static_cast<int>(buffer.size()));
    if (length <= 0) {
      m_text.clear();
      return FALSE;
    }
    if (length < static_cast<int>(buffer.size()) - 1) {
      buffer.resize(static_cast<size_t>(length));
      m_text = std::move(buffer);
      return TRUE;
    }
    buffer.assign(buffer.size() * 2, TEXT('\0'));
  }
}

void CString::FormatList(LPCWSTR format, std::initializer_list<CStringFormatArg> args) {
  AfxString out;
  const CStringFormatArg* next = args.begin();
  auto take = [&]() -> const CStringFormatArg* { return next != args.end() ? next++ : nullptr; };
  for (LPCWSTR p = format ? format : TEXT(""); *p; ++p) {
    if (*p != TEXT('%')) {
      out += *p;
      continue;
    }
    ++p;
    if (*p == TEXT('%')) {
      out += TEXT('%');
      continue;
    }
    Conversion conversion;
    while (*p == TEXT('-') || *p == TEXT('+') || *p == TEXT(' ') || *p == TEXT('#') || *p == TEXT('0'))
      conversion.flags += static_cast<char>(*p++);
    if (*p == TEXT('*')) {
      const CStringFormatArg* width = take();
      conversion.width = width ? static_cast<int>(width->AsSigned()) : 0;
      ++p;
    } else {
      for (; *p >= TEXT('0') && *p <= TEXT('9'); ++p) conversion.width = std::max(conversion.width, 0) * 10 + (*p - TEXT('0'));
    }
    if (*p == TEXT('.')) {
      ++p;
      conversion.precision = 0;
      if (*p == TEXT('*')) {
        const CStringFormatArg* precision = take();
        conversion.precision = precision ? static_cast<int>(precision->AsSigned()) : 0;
        ++p;
      } else {
        for (; *p >= TEXT('0') && *p <= TEXT('9'); ++p) conversion.precision = conversion.precision * 10 + (*p - TEXT('0'));
      }
    }
    while (*p == TEXT('h') || *p == TEXT('l') || *p == TEXT('L') || *p == TEXT('I') || *p == TEXT('3') || *p == TEXT('2') ||
           *p == TEXT('6') || *p == TEXT('4') || *p == TEXT('z'))
      ++p;
    if (!*p) break;
    conversion.type = static_cast<char>(*p);
    if (std::string("diuxXocCsSfFeEgGaA").find(conversion.type) == std::string::npos) continue;
    out += Convert(conversion, take());
  }
  m_text = std::move(out);
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::TrimLeft() {
  auto first = std::find_if(m_text.begin(), m_text.end(), [](WCHAR ch) { return !IsBlank(ch); });
  m_text.erase(m_text.begin(), first);
  return *this;
}

CString& CString::TrimRight() {
  while (!m_text.empty() && IsBlank(m_text.back())) m_text.pop_back();
  return *this;
}

CString& CString::MakeUpper() {
  std::transform(m_text.begin(), m_text.end(), m_text.begin(), ToUpper);
  return *this;
}

CString& CString::MakeLower() {
  std::transform(m_text.begin(), m_text.end(), m_text.begin(), ToLower);
  return *this;
}

int CString::Compare(LPCWSTR other) const { return m_text.compare(other ? other : TEXT("")); }

int CString::CompareNoCase(LPCWSTR other) const {
  CString a(*this), b(other);
  return a.MakeLower().Compare(b.MakeLower());
}

int CString::Find(WCHAR ch, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  size_t at = m_text.find(ch, static_cast<size_t>(start));
  return at == AfxString::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCWSTR text, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  size_t at = m_text.find(text ? text : TEXT(""), static_cast<size_t>(start));
  return at == AfxString::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(WCHAR ch) const {
  size_t at = m_text.rfind(ch);
  return at == AfxString::npos ? -1 : static_cast<int>(at);
}

CString CString::Left(int count) const {
  return CString(m_text.substr(0, static_cast<size_t>(std::clamp(count, 0, GetLength()))));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  first = std::clamp(first, 0, GetLength());
  count = std::clamp(count, 0, GetLength() - first);
  return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

CString CString::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CString(m_text.substr(static_cast<size_t>(GetLength() - count)));
}

int CString::Replace(WCHAR oldChar, WCHAR newChar) {
  int count = 0;
  for (WCHAR& ch : m_text) {
    if (ch == oldChar) {
      ch = newChar;
      ++count;
    }
  }
  return count;
}

int CString::Replace(LPCWSTR oldText, LPCWSTR newText) {
  AfxString from = oldText ? oldText : TEXT("");
  AfxString to = newText ? newText : TEXT("");
  if (from.empty()) return 0;
  int count = 0;
  for (size_t at = m_text.find(from); at != AfxString::npos; at = m_text.find(from, at + to.size())) {
    m_text.replace(at, from.size(), to);
    ++count;
  }
  return count;
}

LPWSTR CString::GetBuffer(int minLength) {
  if (minLength > GetLength()) m_text.resize(static_cast<size_t>(minLength));
  return m_text.data();
}

void CString::ReleaseBuffer(int newLength) {
  if (newLength < 0) newLength = static_cast<int>(AfxString(m_text.c_str()).size());
  m_text.resize(static_cast<size_t>(newLength));
}

CString operator+(const CString& a, const CString& b) { return CString(a.m_text + b.m_text); }
CString operator+(const CString& a, LPCWSTR b) { return CString(a.m_text + (b ? b : TEXT(""))); }
CString operator+(LPCWSTR a, const CString& b) { return CString((a ? a : TEXT("")) + b.m_text); }
CString operator+(const CString& a, WCHAR b) { return CString(a.m_text + b); }
