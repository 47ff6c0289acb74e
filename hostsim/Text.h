#pragma once
// Text helpers of the stand-in host: UTF-16 to and from UTF-8 at the edges, case-insensitive
// comparison of names, and copying into callers' fixed buffers.

#include <string>
#include <string_view>

#include "platform/win32/WinTypes.h"

namespace hostsim::text {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// Names compare ignoring the case of ASCII letters.
std::u16string FoldCase(std::u16string_view text);
bool EqualNoCase(std::u16string_view a, std::u16string_view b);

// Copies as much of the text as fits and always terminates; false when the buffer is unusable.
bool CopyTo(std::u16string_view text, LPWSTR buffer, int capacity);

// Blanks and tabs at both ends removed.
std::u16string_view Trim(std::u16string_view text);

// The text of a zero-terminated UTF-16 buffer of the given capacity.
std::u16string_view FromBuffer(const WCHAR* buffer, std::size_t capacity);

}  // namespace hostsim::text
