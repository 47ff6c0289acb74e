#pragma once
// Text helpers of the stand-in host: callers' fixed buffers and blanks. Conversions and case
// folding are the platform's (platform/win32/TextConversion.h).

#include <string>
#include <string_view>

#include "platform/win32/WinTypes.h"

namespace hostsim::text {

// Copies as much of the text as fits and always terminates; false when the buffer is unusable.
bool CopyTo(std::u16string_view text, LPWSTR buffer, int capacity);
// Copies at most maxChars characters and a terminator (the buffer holds maxChars + 1), as the
// host's calls that take a character count do; false when the buffer is unusable.
bool CopyChars(std::u16string_view text, LPWSTR buffer, int maxChars);

// Blanks and tabs at both ends removed.
std::u16string_view Trim(std::u16string_view text);

// The text of a zero-terminated UTF-16 buffer of the given capacity.
std::u16string_view FromBuffer(const WCHAR* buffer, std::size_t capacity);

}  // namespace hostsim::text
