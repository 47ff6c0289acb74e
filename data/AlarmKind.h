#pragma once
// The kind of one alarm of a tag.

#include <cstdint>

#include "EnumText.h"

namespace data {

enum class AlarmKind : std::int32_t { HiHi = 0, Hi = 1, Lo = 2, LoLo = 3, Rate = 4, DeviationPlus = 5, DeviationMinus = 6 };

template <>
struct EnumTable<AlarmKind> {
  static constexpr EnumText<AlarmKind> kRows[] = {
      {AlarmKind::HiHi, u"HiHi"}, {AlarmKind::Hi, u"Hi"},     {AlarmKind::Lo, u"Lo"},
      {AlarmKind::LoLo, u"LoLo"}, {AlarmKind::Rate, u"Rate"}, {AlarmKind::DeviationPlus, u"Dev+"},
      {AlarmKind::DeviationMinus, u"Dev-"},
  };
};

}  // namespace data
