#include "TagsDatabaseData.h"

#include <string>

#include "ReadFailure.h"

namespace data {

namespace {

bool ReadRootObject(const JsonValue& json) {
  return json.IsObject() || ReadFailure::ReportFile("expected an object around everything");
}

}  // namespace

bool TagsDatabaseData::ReadTagsRoot(const JsonValue& json, TagsDatabaseData& record) {
  if (!ReadRootObject(json) || !JsonFields::Read(json, u"version", record.version)) {
    return false;
  }
  const JsonValue* tags = JsonFields::Find(json, u"tags");
  return tags == nullptr || tags->IsArray() || ReadFailure::Report(u"tags", "expected an array");
}

bool TagsDatabaseData::ReadTag(const JsonValue& json, TagsDatabaseData& record) {
  // Tags of one name fail, so every element read so far is in the map.
  return JsonFields::ReadInto(json, u"tags", record.tags.size(), record.tags, JsonFields::Duplicates::Fail);
}

bool TagsDatabaseData::ReadClasses(const JsonValue& json, TagsDatabaseData& record) {
  std::int32_t version = 0;
  if (!ReadRootObject(json) || !JsonFields::Read(json, u"version", version)) {
    return false;
  }
  if (version != record.version) {
    return ReadFailure::Report(u"version", std::to_string(version) + " where tagl.json has " +
                                               std::to_string(record.version));
  }
  return JsonFields::ReadMap(json, u"classes", record.classes, JsonFields::Duplicates::LastWins);
}

}  // namespace data
