#include "data/TagsDatabaseData.h"

namespace data {

bool TagsDatabaseData::ReadTags(const JsonValue& json, TagsDatabaseData& record) {
  return json.IsObject() && JsonFields::Read(json, u"version", record.version) &&
         JsonFields::ReadMap(json, u"tags", record.tags, JsonFields::Duplicates::Fail);
}

bool TagsDatabaseData::ReadClasses(const JsonValue& json, TagsDatabaseData& record) {
  std::int32_t version = 0;
  return json.IsObject() && JsonFields::Read(json, u"version", version) && version == record.version &&
         JsonFields::ReadMap(json, u"classes", record.classes, JsonFields::Duplicates::LastWins);
}

bool TagsDatabaseData::WriteTags(const std::shared_ptr<TagsDatabaseData>& record, JsonValue& json,
                                 JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"version", record->version, allocator);
  JsonFields::AddMap(json, u"tags", record->tags, allocator);
  return true;
}

bool TagsDatabaseData::WriteClasses(const std::shared_ptr<TagsDatabaseData>& record, JsonValue& json,
                                    JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"version", record->version, allocator);
  JsonFields::AddMap(json, u"classes", record->classes, allocator);
  return true;
}

}  // namespace data
