#pragma once
// A class as the integration files hold it: its id, its name and its members by name. class.json
// keeps the classes (ClassData); a tag of a class in tagl.json keeps its own copy (TagClassData).

#include <cstdint>
#include <memory>
#include <string>

#include "JsonFields.h"

namespace data {

template <typename Member>
struct ClassRecord {
  std::int32_t id = -1;
  std::u16string name;
  RecordMap<Member> members;

  static bool Read(const JsonValue& json, ClassRecord& record) {
    return json.IsObject() && JsonFields::Read(json, u"id", record.id) &&
           JsonFields::Read(json, u"name", record.name) &&
           JsonFields::ReadMap(json, u"members", record.members, JsonFields::Duplicates::LastWins);
  }

  // One object; false when a value cannot be written.
  template <typename Writer>
  static bool Write(const ClassRecord& record, Writer& writer) {
    return writer.StartObject() && JsonFields::Member(writer, u"id", record.id) &&
           JsonFields::Member(writer, u"name", record.name) && JsonFields::Member(writer, u"members", record.members) &&
           writer.EndObject();
  }
};

}  // namespace data
