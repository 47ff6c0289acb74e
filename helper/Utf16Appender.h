#pragma once
// Appends UTF-16 units to a string through a small block, so that the string
// is written once (resizing it first would write it twice). Also the output
// stream of JsonWriter.

#include <cstddef>
#include <string>

namespace helper {

class Utf16Appender {
 public:
  using Ch = char16_t;

  explicit Utf16Appender(std::u16string& text) : text_(text) {}
  ~Utf16Appender() { Flush(); }
  Utf16Appender(const Utf16Appender&) = delete;
  Utf16Appender& operator=(const Utf16Appender&) = delete;

  void Put(Ch unit) {
    if (count_ == kBlock) {
      Flush();
    }
    block_[count_++] = unit;
  }
  // Eight bytes below 0x80.
  void PutAscii8(const unsigned char* bytes) {
    if (count_ + 8 > kBlock) {
      Flush();
    }
    for (int k = 0; k < 8; ++k) {
      block_[count_ + k] = bytes[k];
    }
    count_ += 8;
  }
  void Flush() {
    text_.append(block_, count_);
    count_ = 0;
  }

 private:
  static constexpr std::size_t kBlock = 4096;
  std::u16string& text_;
  Ch block_[kBlock];
  std::size_t count_ = 0;
};

}  // namespace helper
