#include "app/TagNameBuffer.h"

#include "host/Orvik.h"

TagNameBuffer::TagNameBuffer(LPCWSTR name) : m_text{} {
  int length = 0;
  if (name != nullptr) {
    while (length < kCapacity - 1 && name[length] != u'\0') {
      m_text[length] = name[length];
      ++length;
    }
  }
  m_text[length] = u'\0';
  OVTrimStringSecure(m_text, kCapacity);
}
