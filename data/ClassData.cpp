#include "ClassData.h"

namespace data {

bool ClassData::Read(const JsonValue& json, ClassData& record) {
  return json.IsObject() && JsonFields::Read(json, u"id", record.id) && JsonFields::Read(json, u"name", record.name) &&
         JsonFields::ReadMap(json, u"members", record.members, JsonFields::Duplicates::LastWins);
}

bool ClassData::Write(const std::shared_ptr<ClassData>& record, JsonValue& json, JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"id", record->id, allocator);
  json.AddMember(u"name", JsonFields::Text(record->name), allocator);
  JsonFields::AddMap(json, u"members", record->members, allocator);
  return true;
}

}  // namespace data
