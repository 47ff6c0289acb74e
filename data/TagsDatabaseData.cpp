#include "TagsDatabaseData.h"

namespace data {

bool TagsDatabaseData::ReadTagsRoot(const JsonValue& json, TagsDatabaseData& record) {
  if (!json.IsObject() || !JsonFields::Read(json, u"version", record.version)) {
    return false;
  }
  const JsonValue* tags = JsonFields::Find(json, u"tags");
  return tags == nullptr || tags->IsArray();
}

bool TagsDatabaseData::ReadTag(const JsonValue& json, TagsDatabaseData& record) {
  return JsonFields::ReadInto(json, record.tags, JsonFields::Duplicates::Fail);
}

bool TagsDatabaseData::ReadClasses(const JsonValue& json, TagsDatabaseData& record) {
  std::int32_t version = 0;
  return json.IsObject() && JsonFields::Read(json, u"version", version) && version == record.version &&
         JsonFields::ReadMap(json, u"classes", record.classes, JsonFields::Duplicates::LastWins);
}

bool TagsDatabaseData::WriteTags(const std::shared_ptr<TagsDatabaseData>& record, JsonWriter& writer) {
  return record && JsonFields::WriteRoot(record->version, u"tags", record->tags, writer);
}

bool TagsDatabaseData::WriteClasses(const std::shared_ptr<TagsDatabaseData>& record, JsonWriter& writer) {
  return record && JsonFields::WriteRoot(record->version, u"classes", record->classes, writer);
}

}  // namespace data
