#include "TagClassMemberData.h"

namespace data {

bool TagClassMemberData::Read(const JsonValue& json, TagClassMemberData& record) {
  return json.IsObject() && JsonFields::Read(json, u"id", record.id) && JsonFields::Read(json, u"name", record.name) &&
         JsonFields::ReadOptional(json, u"corvane", record.corvane);
}

bool TagClassMemberData::Write(const std::shared_ptr<TagClassMemberData>& record, JsonValue& json,
                               JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"id", record->id, allocator);
  json.AddMember(u"name", JsonFields::Text(record->name), allocator);
  JsonFields::AddOptional(json, u"corvane", record->corvane, allocator);
  return true;
}

}  // namespace data
