#pragma once
// One member of a tag's class instance, holding the member's integration block.

#include <cstdint>
#include <memory>
#include <string>

#include "CorvaneData.h"
#include "JsonFields.h"

namespace data {

struct TagClassMemberData {
  std::int32_t id = -1;
  std::u16string name;
  std::shared_ptr<CorvaneData> corvane;

  static bool Read(const JsonValue& json, TagClassMemberData& record);
  // One object; false when a value cannot be written.
  template <typename Writer>
  static bool Write(const TagClassMemberData& record, Writer& writer);
};

}  // namespace data
