#include "AlarmData.h"

namespace data {

bool AlarmData::Read(const JsonValue& json, AlarmData& record) {
  using F = JsonFields;
  return json.IsObject() && F::Read(json, u"group", record.group) && F::Read(json, u"priority", record.priority) &&
         F::Read(json, u"message", record.message) && F::Read(json, u"selection", record.selection) &&
         F::Read(json, u"limit", record.limit) && F::Read(json, u"member", record.member) &&
         F::Read(json, u"type", record.type);
}

bool AlarmData::Write(const std::shared_ptr<AlarmData>& record, JsonValue& json, JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"type", JsonFields::Text(record->type), allocator);
  json.AddMember(u"group", record->group, allocator);
  json.AddMember(u"priority", record->priority, allocator);
  json.AddMember(u"message", JsonFields::Text(record->message), allocator);
  json.AddMember(u"selection", JsonFields::Text(record->selection), allocator);
  json.AddMember(u"limit", record->limit, allocator);
  json.AddMember(u"member", JsonFields::Text(record->member), allocator);
  return true;
}

}  // namespace data
