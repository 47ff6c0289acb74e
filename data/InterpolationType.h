#pragma once
// How the historian draws between samples; there is no value 0.

#include <cstdint>

#include "EnumText.h"

namespace data {

enum class InterpolationType : std::int32_t { Stairstep = 1, Linear = 2, SystemDefault = 3 };

template <>
struct EnumTable<InterpolationType> {
  static constexpr EnumText<InterpolationType> kRows[] = {
      {InterpolationType::Stairstep, u"Stairstep"},
      {InterpolationType::Linear, u"Linear"},
      {InterpolationType::SystemDefault, u"SystemDefault"},
  };
};

}  // namespace data
