#include "hostsim/Text.h"

#include <algorithm>

namespace hostsim::text {

bool CopyTo(std::u16string_view text, LPWSTR buffer, int capacity) {
  return capacity > 0 && CopyChars(text, buffer, capacity - 1);
}

bool CopyChars(std::u16string_view text, LPWSTR buffer, int maxChars) {
  if (buffer == nullptr || maxChars < 0) return false;
  const auto n = std::min<std::size_t>(text.size(), static_cast<std::size_t>(maxChars));
  std::copy_n(text.data(), n, buffer);
  buffer[n] = 0;
  return true;
}

std::u16string_view Trim(std::u16string_view text) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

std::u16string_view FromBuffer(const WCHAR* buffer, std::size_t capacity) {
  std::size_t n = 0;
  while (n < capacity && buffer[n] != 0) ++n;
  return {buffer, n};
}

}  // namespace hostsim::text
