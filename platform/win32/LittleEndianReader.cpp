#include "LittleEndianReader.h"

namespace platform {

bool LittleEndianReader::Byte(BYTE& out) {
  if (pos_ >= size_) return false;
  out = data_[pos_++];
  return true;
}

bool LittleEndianReader::Word(WORD& out) {
  if (pos_ > size_ || size_ - pos_ < 2) return false;
  out = static_cast<WORD>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return true;
}

bool LittleEndianReader::Short(short& out) {
  WORD value = 0;
  if (!Word(value)) return false;
  out = static_cast<short>(value);
  return true;
}

bool LittleEndianReader::Dword(DWORD& out) {
  WORD low = 0;
  WORD high = 0;
  if (!Word(low) || !Word(high)) return false;
  out = low | (static_cast<DWORD>(high) << 16);
  return true;
}

bool LittleEndianReader::String(std::u16string& out) {
  out.clear();
  for (WORD c = 0; Word(c);) {
    if (c == 0) return true;
    out += static_cast<char16_t>(c);
  }
  return false;
}

bool LittleEndianReader::NameOrOrdinal(std::u16string& name, WORD& ordinal) {
  WORD first = 0;
  name.clear();
  ordinal = 0;
  if (!Word(first)) return false;
  if (first == 0xFFFF) return Word(ordinal);
  if (first == 0) return true;
  pos_ -= 2;
  return String(name);
}

bool LittleEndianReader::Bytes(size_t count, std::vector<BYTE>& out) {
  if (pos_ > size_ || count > size_ - pos_) return false;
  out.assign(data_ + pos_, data_ + pos_ + count);
  pos_ += count;
  return true;
}

bool LittleEndianReader::Skip(size_t count) {
  if (pos_ > size_ || count > size_ - pos_) return false;
  pos_ += count;
  return true;
}

}  // namespace platform
