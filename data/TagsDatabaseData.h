#pragma once
// The integration database: the tags of tagl.json and the classes of
// class.json, each file carrying the same version.

#include <cstdint>
#include <memory>

#include "data/ClassData.h"
#include "data/JsonFields.h"
#include "data/TagData.h"

namespace data {

struct TagsDatabaseData {
  std::int32_t version = 1;
  RecordMap<TagData> tags;
  RecordMap<ClassData> classes;

  // The root of tagl.json: its version and its tags; two tags of one name fail.
  static bool ReadTags(const JsonValue& json, TagsDatabaseData& record);
  // The root of class.json, whose version must equal the database's.
  static bool ReadClasses(const JsonValue& json, TagsDatabaseData& record);
  // False, writing nothing, when there is no record.
  static bool WriteTags(const std::shared_ptr<TagsDatabaseData>& record, JsonValue& json, JsonAllocator& allocator);
  static bool WriteClasses(const std::shared_ptr<TagsDatabaseData>& record, JsonValue& json,
                           JsonAllocator& allocator);
};

}  // namespace data
