#pragma once
// UTF-16 text at the platform's edges: the conversions to and from UTF-8 (of the C runtime
// layer), Windows paths to this system's paths, and the case folding that Windows applies to
// class names, module names and list-box searches.

#include <string>
#include <string_view>

#include "../crt/Utf8Conversion.h"

namespace platform {

// A Windows path (backslashes or slashes) as a path of this system, in UTF-8.
std::string ToNativePath(std::u16string_view path);

char16_t FoldCase(char16_t c);
std::u16string FoldCase(std::u16string_view text);
bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b);
bool StartsWithIgnoreCase(std::u16string_view text, std::u16string_view prefix);

}  // namespace platform
