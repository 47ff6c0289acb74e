#pragma once
// How the bytes of a text file were read.

#include <string_view>

namespace helper {

enum class TextEncoding { Utf16Le, Utf8WithMark, Utf8, Windows1252 };

constexpr std::string_view NameOf(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16Le:
      return "UTF-16LE";
    case TextEncoding::Utf8WithMark:
      return "UTF-8 with byte order mark";
    case TextEncoding::Utf8:
      return "UTF-8";
    case TextEncoding::Windows1252:
      return "Windows-1252";
  }
  return "";
}

}  // namespace helper
