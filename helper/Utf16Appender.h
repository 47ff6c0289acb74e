#pragma once
// Appends UTF-16 units to a string through a block, so that short pieces do
// not each pay for an append.

#include <string>

#include "Utf16Output.h"

namespace helper {

class Utf16Appender final : public Utf16Output {
 public:
  explicit Utf16Appender(std::u16string& text) : Utf16Output(block_, kBlock), text_(text) {}
  ~Utf16Appender() { Flush(); }

 protected:
  void Deliver(const Ch* units, std::size_t count) override { text_.append(units, count); }

 private:
  static constexpr std::size_t kBlock = 4096;
  std::u16string& text_;
  Ch block_[kBlock];
};

}  // namespace helper
