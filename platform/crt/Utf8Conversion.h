#pragma once
// UTF-8 at the platform's edges: file names for the C library, the terminal, logs and scripts.
// The one conversion of UTF-16 text to UTF-8 and back.

#include <string>
#include <string_view>

namespace platform {

void AppendUtf8(std::string& out, char32_t c);
// A lone surrogate has no UTF-8 form: it becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace platform
