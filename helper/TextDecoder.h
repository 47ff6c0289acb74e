#pragma once
// Turns the bytes of a text file into UTF-16, detecting the encoding:
// UTF-16LE with its byte order mark, else UTF-8 (with or without its mark)
// when every byte is well-formed UTF-8, else Windows-1252.

#include <string>
#include <string_view>

#include "TextEncoding.h"

namespace helper {

class TextDecoder {
 public:
  enum class Result { Ok, OddUtf16Size };

  // The text ends at the first NUL character. `text` is replaced; `encoding`,
  // when given, receives how the bytes were read.
  static Result Decode(std::string_view bytes, std::u16string& text, TextEncoding* encoding = nullptr);
  // Whether a file of `size` bytes that starts with `head` is UTF-16LE with its mark.
  static bool IsUtf16(std::string_view head, std::size_t size);
  // How many units come before the first NUL (all of them when there is none).
  static std::size_t LengthUntilNul(const char16_t* units, std::size_t count);
  // Appends the units up to the first NUL; false when there was one.
  static bool AppendUntilNul(const char16_t* units, std::size_t count, std::u16string& text);

 private:
  static Result Decode(std::string_view bytes, std::u16string& text, TextEncoding& encoding);
  // False (and `text` undefined) when the bytes are not all well-formed UTF-8.
  static bool DecodeUtf8(const unsigned char* data, std::size_t size, std::u16string& text);
  static void DecodeWindows1252(const unsigned char* data, std::size_t size, std::u16string& text);
};

}  // namespace helper
