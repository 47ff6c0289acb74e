#pragma once
// Appends UTF-16 units to a string through a small block, so that short
// pieces do not each pay for an append. The output stream of JsonWriter.

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
  // A run of units: short ones through the block, long ones straight into the text.
  void Append(const Ch* units, std::size_t count) {
    if (count_ + count <= kBlock) {
      for (std::size_t k = 0; k < count; ++k) {
        block_[count_ + k] = units[k];
      }
      count_ += count;
      return;
    }
    Flush();
    text_.append(units, count);
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
