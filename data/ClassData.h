#pragma once
// One class of class.json.

#include <cstdint>
#include <memory>
#include <string>

#include "ClassMemberData.h"
#include "JsonFields.h"

namespace data {

struct ClassData {
  std::int32_t id = -1;
  std::u16string name;
  RecordMap<ClassMemberData> members;

  static bool Read(const JsonValue& json, ClassData& record);
  // False, writing nothing, when there is no record.
  static bool Write(const std::shared_ptr<ClassData>& record, JsonValue& json, JsonAllocator& allocator);
};

}  // namespace data
