#pragma once
// The integration database: the tags of tagl.json and the classes of
// class.json, each file carrying the same version.

#include <cstdint>
#include <memory>

#include "ClassData.h"
#include "JsonFields.h"
#include "TagData.h"

namespace data {

struct TagsDatabaseData {
  std::int32_t version = 1;
  RecordMap<TagData> tags;
  RecordMap<ClassData> classes;

  // The root of tagl.json, whose tags are read one at a time with ReadTag
  // while it is parsed: its "version", and "tags" must be an array if present.
  static bool ReadTagsRoot(const JsonValue& json, TagsDatabaseData& record);
  // One element of "tags"; a second tag of one name fails.
  static bool ReadTag(const JsonValue& json, TagsDatabaseData& record);
  // The root of class.json, whose version must equal the database's.
  static bool ReadClasses(const JsonValue& json, TagsDatabaseData& record);
  // The roots of the two files, written straight to the text one record at a
  // time; false when there is no record or a value cannot be written.
  static bool WriteTags(const std::shared_ptr<TagsDatabaseData>& record, JsonWriter& writer);
  static bool WriteClasses(const std::shared_ptr<TagsDatabaseData>& record, JsonWriter& writer);
};

}  // namespace data
