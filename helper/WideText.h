#pragma once
// The boundary between the platform's wide strings and the UTF-16 text kept here: a wide
// character is 16 bits on every platform this code is built for (wchar_t on Windows, char16_t
// elsewhere), so the units are copied as they are.

#include <string>

namespace helper {

template <typename WideChar>
  requires(sizeof(WideChar) == sizeof(char16_t))
std::u16string FromWide(const WideChar* text) {
  std::u16string units;
  for (const WideChar* unit = text; unit != nullptr && *unit != 0; ++unit) {
    units += static_cast<char16_t>(*unit);
  }
  return units;
}

}  // namespace helper
