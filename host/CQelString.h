#pragma once
// The host class library's fixed-capacity string as it lies inside host records: a header word, N
// UTF-16 units held in place and a pointer to the text when it is held elsewhere. Only the host
// writes it; readers take the pointer when it is set and the units in place otherwise.

#include <cstddef>
#include <windows.h>

template <int N>
struct CQelString {
  // Length of the text in UTF-16 units, without the terminator.
  DWORD m_nLength;
  // The text and its terminator when it fits (at most N - 1 units).
  WCHAR m_szText[N];
  // The text when it is longer; null while the text is held in place.
  WCHAR* m_pszLong;

  LPCWSTR GetText() const { return m_pszLong != nullptr ? m_pszLong : m_szText; }
  static constexpr int Capacity() { return N - 1; }
};

static_assert(sizeof(void*) != 4 || sizeof(CQelString<64>) == 136);
static_assert(sizeof(void*) != 4 || offsetof(CQelString<64>, m_szText) == 4);
static_assert(sizeof(void*) != 4 || offsetof(CQelString<64>, m_pszLong) == 132);
