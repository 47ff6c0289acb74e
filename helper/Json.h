#pragma once
// JSON documents of UTF-16 text. RapidJSON's UTF16<> would default to
// wchar_t, which is 32 bits here, so the code unit is named explicitly.

#include <rapidjson/document.h>

namespace helper {

// UTF-16 as wide strings hold it: a lone surrogate, which a file can only
// spell as an escape such as \udc00, is kept as the code unit it names
// instead of being refused halfway through a string.
struct JsonEncoding : rapidjson::UTF16<char16_t> {
  template <typename OutputStream>
  static void Encode(OutputStream& os, unsigned codepoint) {
    if (codepoint <= 0xFFFF) {
      os.Put(static_cast<Ch>(codepoint));
    } else {
      const unsigned v = codepoint - 0x10000;
      os.Put(static_cast<Ch>((v >> 10) | 0xD800));
      os.Put(static_cast<Ch>((v & 0x3FF) | 0xDC00));
    }
  }
  template <typename OutputStream>
  static void EncodeUnsafe(OutputStream& os, unsigned codepoint) {
    Encode(os, codepoint);
  }
};

using JsonDocument = rapidjson::GenericDocument<JsonEncoding>;
using JsonValue = JsonDocument::ValueType;
using JsonAllocator = JsonDocument::AllocatorType;

}  // namespace helper
