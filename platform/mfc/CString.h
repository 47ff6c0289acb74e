#pragma once
// The framework's string: UTF-16 text over the standard string of WCHAR with the members the
// code uses. Format takes its arguments type-safely (a CString may be passed for
// %s as it is), with the printf meanings of the framework: %s is wide text.

#include <initializer_list>
#include <string>
#include <type_traits>

#include <windows.h>

// The standard library's string of the platform's UTF-16 units.
using AfxString = std::basic_string<WCHAR>;

// One argument of CString::Format.
class CStringFormatArg {
 public:
  enum class Kind { Signed, Unsigned, Real, Text };

  template <typename T>
    requires std::is_integral_v<T>
  CStringFormatArg(T value) {  // NOLINT: implicit by design, as printf arguments are
    if constexpr (std::is_signed_v<T>) {
      m_kind = Kind::Signed;
      m_signed = value;
    } else {
      m_kind = Kind::Unsigned;
      m_unsigned = value;
    }
  }
  CStringFormatArg(double value) : m_kind(Kind::Real), m_real(value) {}
  CStringFormatArg(LPCWSTR text) : m_kind(Kind::Text), m_text(text) {}
  CStringFormatArg(const class CString& text);

  Kind GetKind() const { return m_kind; }
  long long AsSigned() const;
  unsigned long long AsUnsigned() const;
  double AsReal() const;
  LPCWSTR AsText() const { return m_kind == Kind::Text ? m_text : nullptr; }

 private:
  Kind m_kind;
  union {
    long long m_signed;
    unsigned long long m_unsigned;
    double m_real;
    LPCWSTR m_text;
  };
};

class CString {
 public:
  CString() = default;
  CString(LPCWSTR text);  // a null pointer gives the empty string
  CString(LPCWSTR text, int length);
  CString(WCHAR ch, int repeat = 1);
  CString(const AfxString& text) : m_text(text) {}
  CString(AfxString&& text) : m_text(std::move(text)) {}

  CString& operator=(LPCWSTR text);
  CString& operator+=(const CString& text);
  CString& operator+=(LPCWSTR text);
  CString& operator+=(WCHAR ch);

  int GetLength() const { return static_cast<int>(m_text.size()); }
  bool IsEmpty() const { return m_text.empty(); }
  void Empty() { m_text.clear(); }
  LPCWSTR GetString() const { return m_text.c_str(); }
  operator LPCWSTR() const { return m_text.c_str(); }
  const AfxString& GetStdString() const { return m_text; }
  WCHAR GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
  WCHAR operator[](int index) const { return GetAt(index); }

  // Loads a string of the string table of the current resource module; FALSE when it has none.
  BOOL LoadString(UINT id);

  template <typename... Args>
  void Format(LPCWSTR format, const Args&... args) {
    FormatList(format, {CStringFormatArg(args)...});
  }
  template <typename... Args>
  void Format(UINT formatId, const Args&... args) {
    CString format;
    format.LoadString(formatId);
    FormatList(format, {CStringFormatArg(args)...});
  }

  CString& Trim();
  CString& TrimLeft();
  CString& TrimRight();
  CString& MakeUpper();
  CString& MakeLower();

  int Compare(LPCWSTR other) const;
  int CompareNoCase(LPCWSTR other) const;
  // Positions are 0-based; -1 when not found.
  int Find(WCHAR ch, int start = 0) const;
  int Find(LPCWSTR text, int start = 0) const;
  int ReverseFind(WCHAR ch) const;

  CString Left(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;
  CString Right(int count) const;

  // Both return the number of replacements.
  int Replace(WCHAR oldChar, WCHAR newChar);
  int Replace(LPCWSTR oldText, LPCWSTR newText);

  // A writable buffer of at least minLength characters plus the terminator; ReleaseBuffer
  // takes the new length (-1: up to the first zero).
  LPWSTR GetBuffer(int minLength = 0);
  void ReleaseBuffer(int newLength = -1);

  friend CString operator+(const CString& a, const CString& b);
  friend CString operator+(const CString& a, LPCWSTR b);
  friend CString operator+(LPCWSTR a, const CString& b);
  friend CString operator+(const CString& a, WCHAR b);
  friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
  friend bool operator==(const CString& a, LPCWSTR b) { return a.Compare(b) == 0; }
  friend bool operator==(LPCWSTR a, const CString& b) { return b.Compare(a) == 0; }
  friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
  friend bool operator!=(const CString& a, LPCWSTR b) { return !(a == b); }
  friend bool operator!=(LPCWSTR a, const CString& b) { return !(b == a); }
  friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

 private:
  void FormatList(LPCWSTR format, std::initializer_list<CStringFormatArg> args);

  AfxString m_text;
};
