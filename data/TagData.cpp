#include "TagData.h"

namespace data {

bool TagData::Read(const JsonValue& json, TagData& record) {
  using F = JsonFields;
  if (!json.IsObject() || !F::Read(json, u"id", record.id) || !F::Read(json, u"name", record.name) ||
      !F::Read(json, u"size", record.size) || !F::Read(json, u"description", record.description) ||
      !F::Read(json, u"isPointer", record.isPointer) || !F::Read(json, u"type", record.type) ||
      !F::Read(json, u"scope", record.scope)) {
    return false;
  }
  // Files from before external access existed have no such key.
  if (F::Find(json, u"external_availability") == nullptr) {
    record.externalAvailability = ExternalAvailability::Disabled;
  } else if (!F::Read(json, u"external_availability", record.externalAvailability)) {
    return false;
  }
  return F::ReadOptional(json, u"class", record.tagClass) && F::ReadOptional(json, u"corvane", record.corvane) &&
         F::ReadList(json, u"alarms", record.alarms) && F::ReadList(json, u"histories", record.histories);
}

bool TagData::Write(const std::shared_ptr<TagData>& record, JsonValue& json, JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"id", record->id, allocator);
  json.AddMember(u"name", JsonFields::Text(record->name), allocator);
  json.AddMember(u"size", record->size, allocator);
  json.AddMember(u"type", JsonFields::Text(record->type), allocator);
  json.AddMember(u"description", JsonFields::Text(record->description), allocator);
  json.AddMember(u"scope", JsonFields::Text(record->scope), allocator);
  json.AddMember(u"external_availability", JsonFields::Text(record->externalAvailability), allocator);
  json.AddMember(u"isPointer", record->isPointer, allocator);
  JsonFields::AddOptional(json, u"class", record->tagClass, allocator);
  JsonFields::AddOptional(json, u"corvane", record->corvane, allocator);
  JsonFields::AddList(json, u"alarms", record->alarms, allocator);
  JsonFields::AddList(json, u"histories", record->histories, allocator);
  return true;
}

}  // namespace data
