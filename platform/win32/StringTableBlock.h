#pragma once
// One block of a string table (RT_STRING): block n + 1 holds the strings of ids 16n to 16n + 15,
// each a length word followed by that many UTF-16 units.

#include <cstddef>
#include <optional>
#include <string_view>

#include "WinTypes.h"

namespace platform {

struct StringTableBlock {
  // The string at the index (id % 16) of the block, empty when the block holds none there;
  // nothing when the block ends before it. The view points into the block.
  static std::optional<std::u16string_view> Find(const BYTE* data, size_t size, unsigned index);
};

}  // namespace platform
