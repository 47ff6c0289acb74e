#pragma once
// A tag name as the exports hand it to the host: in a buffer of 1025 characters (longer names are
// cut at 1024), trimmed by the host.

#include <tchar.h>
#include <windows.h>

class TagNameBuffer {
 public:
  static constexpr int kCapacity = 1025;

  explicit TagNameBuffer(LPCWSTR name);

  LPCWSTR Trimmed() const { return m_text; }
  // The trimmed name without a leading @ (a lone @ gives the empty name).
  LPCWSTR WithoutAt() const { return m_text[0] == _T('@') ? m_text + 1 : m_text; }

 private:
  WCHAR m_text[kCapacity];
};
