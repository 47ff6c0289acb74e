#pragma once
// The syntax of variable names in this host:
//   [@] Name [ "[" index "]" ] [ "." Member ]
// Name and Member start with a letter or an underscore and go on with letters, digits and
// underscores (letters beyond ASCII count as letters); index is 0 to 32767 in decimal digits. A
// leading @ makes the name an indirect reference. The whole name is at most 255 characters.

#include <optional>
#include <string>
#include <string_view>

namespace hostsim {

struct TagName {
  static constexpr std::size_t kMaxLength = 255;
  static constexpr int kMaxIndex = 32767;

  bool indirect = false;
  std::u16string base;
  std::optional<int> index;
  std::u16string member;

  static std::optional<TagName> Parse(std::u16string_view text);
  static bool IsIdentifier(std::u16string_view text);
};

}  // namespace hostsim
