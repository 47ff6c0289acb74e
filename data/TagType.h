#pragma once
// The type of a tag or of a class member.

#include <cstdint>

#include "EnumText.h"

namespace data {

enum class TagType : std::int32_t { Boolean = 0, Integer = 1, Real = 2, String = 3, Class = 4 };

template <>
struct EnumTable<TagType> {
  static constexpr EnumText<TagType> kRows[] = {
      {TagType::Boolean, u"Boolean"}, {TagType::Integer, u"Integer"}, {TagType::Real, u"Real"},
      {TagType::String, u"String"},   {TagType::Class, u"Class"},
  };
};

}  // namespace data
