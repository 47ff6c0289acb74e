#pragma once
// One member of a class of class.json.

#include <cstdint>
#include <memory>
#include <string>

#include "JsonFields.h"
#include "TagType.h"

namespace data {

struct ClassMemberData {
  std::int32_t id = -1;
  std::u16string name;
  TagType type = TagType::Boolean;
  std::u16string description;

  static bool Read(const JsonValue& json, ClassMemberData& record);
  // One object; false when a value cannot be written.
  template <typename Writer>
  static bool Write(const ClassMemberData& record, Writer& writer);
};

}  // namespace data
