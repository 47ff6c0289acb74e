#pragma once
// Where a tag lives.

#include <cstdint>

#include "EnumText.h"

namespace data {

enum class TagScope : std::int32_t { Local = 0, Server = 1 };

template <>
struct EnumTable<TagScope> {
  static constexpr EnumText<TagScope> kRows[] = {
      {TagScope::Local, u"Local"},
      {TagScope::Server, u"Server"},
  };
};

}  // namespace data
