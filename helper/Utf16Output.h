#pragma once
// A block of UTF-16 units that a writer fills and that goes on whole, when it is full or flushed,
// to where the text is kept (a string, a file). The output stream of JsonTextWriter.

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace helper {

class Utf16Output {
 public:
  using Ch = char16_t;

  Utf16Output(const Utf16Output&) = delete;
  Utf16Output& operator=(const Utf16Output&) = delete;

  void Put(Ch unit) {
    if (at_ == end_) {
      Flush();
    }
    *at_++ = unit;
  }
  void Append(const Ch* units, std::size_t count) {
    while (count > 0) {
      if (at_ == end_) {
        Flush();
      }
      const std::size_t piece = std::min(count, static_cast<std::size_t>(end_ - at_));
      std::memcpy(at_, units, piece * sizeof(Ch));
      at_ += piece;
      units += piece;
      count -= piece;
    }
  }
  // Room for `count` units (at most Capacity()) to be written in place, then kept with Commit.
  Ch* Room(std::size_t count) {
    if (static_cast<std::size_t>(end_ - at_) < count) {
      Flush();
    }
    return at_;
  }
  void Commit(Ch* end) { at_ = end; }
  std::size_t Capacity() const { return static_cast<std::size_t>(end_ - begin_); }
  void Flush() {
    Deliver(begin_, static_cast<std::size_t>(at_ - begin_));
    at_ = begin_;
  }

 protected:
  Utf16Output(Ch* block, std::size_t capacity) : begin_(block), at_(block), end_(block + capacity) {}
  ~Utf16Output() = default;
  // Takes the units that the block holds; the block is refilled afterwards.
  virtual void Deliver(const Ch* units, std::size_t count) = 0;

 private:
  Ch* const begin_;
  Ch* at_;
  Ch* const end_;
};

}  // namespace helper
