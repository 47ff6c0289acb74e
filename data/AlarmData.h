#pragma once
// One alarm of a tag.

#include <cstdint>
#include <memory>
#include <string>

#include "AlarmKind.h"
#include "JsonFields.h"

namespace data {

struct AlarmData {
  AlarmKind type = AlarmKind::HiHi;
  std::int32_t group = 0;
  std::int32_t priority = 0;
  std::u16string message;
  std::u16string selection;
  double limit = 0.0;
  std::u16string member;

  static bool Read(const JsonValue& json, AlarmData& record);
  // One object; false when a value cannot be written.
  template <typename Writer>
  static bool Write(const AlarmData& record, Writer& writer);
};

}  // namespace data
