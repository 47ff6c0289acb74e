#include "hostsim/TagName.h"

namespace hostsim {
namespace {

bool IsLetter(char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_' || c >= 0x80; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Takes an identifier from the front of the text.
std::u16string_view TakeIdentifier(std::u16string_view& text) {
  std::size_t n = 0;
  if (n < text.size() && IsLetter(text[n])) {
    ++n;
    while (n < text.size() && (IsLetter(text[n]) || IsDigit(text[n]))) ++n;
  }
  const auto id = text.substr(0, n);
  text.remove_prefix(n);
  return id;
}

}  // namespace

bool TagName::IsIdentifier(std::u16string_view text) {
  const auto id = TakeIdentifier(text);
  return !id.empty() && text.empty();
}

std::optional<TagName> TagName::Parse(std::u16string_view text) {
  if (text.size() > kMaxLength) return std::nullopt;
  TagName name;
  if (!text.empty() && text.front() == u'@') {
    name.indirect = true;
    text.remove_prefix(1);
  }
  name.base = TakeIdentifier(text);
  if (name.base.empty()) return std::nullopt;
  if (!text.empty() && text.front() == u'[') {
    text.remove_prefix(1);
    int value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) {
      value = value * 10 + (text[digits] - u'0');
      if (value > kMaxIndex) return std::nullopt;
      ++digits;
    }
    if (digits == 0 || digits >= text.size() || text[digits] != u']') return std::nullopt;
    name.index = value;
    text.remove_prefix(digits + 1);
  }
  if (!text.empty() && text.front() == u'.') {
    text.remove_prefix(1);
    name.member = TakeIdentifier(text);
    if (name.member.empty()) return std::nullopt;
  }
  if (!text.empty()) return std::nullopt;
  return name;
}

}  // namespace hostsim
