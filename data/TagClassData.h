#pragma once
// The class-instance block of a tag: the class it is of and its members.

#include <cstdint>
#include <memory>
#include <string>

#include "JsonFields.h"
#include "TagClassMemberData.h"

namespace data {

struct TagClassData {
  std::int32_t id = -1;
  std::u16string name;
  RecordMap<TagClassMemberData> members;

  static bool Read(const JsonValue& json, TagClassData& record);
  // False, writing nothing, when there is no record.
  static bool Write(const std::shared_ptr<TagClassData>& record, JsonValue& json, JsonAllocator& allocator);
};

}  // namespace data
