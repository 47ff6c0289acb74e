#pragma once
// Reads the little-endian fields of the resource formats (the compiled resource file, dialog
// templates, string tables, combo-box initial data); every read fails past the end of the data.

#include <cstddef>
#include <string>
#include <vector>

#include <windows.h>

namespace platform {

class LittleEndianReader {
 public:
  LittleEndianReader(const BYTE* data, size_t size) : data_(data), size_(data != nullptr ? size : 0) {}

  bool Byte(BYTE& out);
  bool Word(WORD& out);
  bool Short(short& out);
  bool Dword(DWORD& out);
  // UTF-16 units up to a zero unit.
  bool String(std::u16string& out);
  // A name or an ordinal: 0xFFFF and the ordinal, 0x0000 for nothing, else a string.
  bool NameOrOrdinal(std::u16string& name, WORD& ordinal);
  bool Bytes(size_t count, std::vector<BYTE>& out);
  bool Skip(size_t count);
  void AlignToDword() { pos_ = (pos_ + 3) & ~static_cast<size_t>(3); }

  const BYTE* Here() const { return data_ + pos_; }
  size_t Position() const { return pos_; }
  void Seek(size_t pos) { pos_ = pos; }

 private:
  const BYTE* data_;
  size_t size_;
  size_t pos_ = 0;
};

}  // namespace platform
