#include "TagNameBuffer.h"

#include <Orvik.h>
#include <tchar.h>

TagNameBuffer::TagNameBuffer(LPCWSTR name) : m_text{} {
  int length = 0;
  if (name != nullptr) {
    while (length < kCapacity - 1 && name[length] != _T('\0')) {
      m_text[length] = name[length];
      ++length;
    }
  }
  m_text[length] = _T('\0');
  OVTrimStringSecure(m_text, kCapacity);
}
