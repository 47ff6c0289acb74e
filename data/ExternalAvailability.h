#pragma once
// What outside clients may do with a tag.

#include <cstdint>

#include "EnumText.h"

namespace data {

enum class ExternalAvailability : std::int32_t { Disabled = 0, ReadOnly = 1, ReadWrite = 2 };

template <>
struct EnumTable<ExternalAvailability> {
  static constexpr EnumText<ExternalAvailability> kRows[] = {
      {ExternalAvailability::Disabled, u"Disabled"},
      {ExternalAvailability::ReadOnly, u"ReadOnly"},
      {ExternalAvailability::ReadWrite, u"ReadWrite"},
  };
};

}  // namespace data
