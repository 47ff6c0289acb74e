#include "ClassMemberData.h"

namespace data {

bool ClassMemberData::Read(const JsonValue& json, ClassMemberData& record) {
  return json.IsObject() && JsonFields::Read(json, u"id", record.id) && JsonFields::Read(json, u"name", record.name) &&
         JsonFields::Read(json, u"description", record.description) && JsonFields::Read(json, u"type", record.type);
}

bool ClassMemberData::Write(const std::shared_ptr<ClassMemberData>& record, JsonValue& json,
                            JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"id", record->id, allocator);
  json.AddMember(u"name", JsonFields::Text(record->name), allocator);
  json.AddMember(u"type", JsonFields::Text(record->type), allocator);
  json.AddMember(u"description", JsonFields::Text(record->description), allocator);
  return true;
}

}  // namespace data
