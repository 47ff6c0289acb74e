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
  // False, writing nothing, when there is no record.
  static bool Write(const std::shared_ptr<TagClassMemberData>& record, JsonValue& json, JsonAllocator& allocator);
};

}  // namespace data
