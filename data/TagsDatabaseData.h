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
  // The roots of the two files, written one record at a time; false when a value
  // cannot be written.
  template <typename Writer>
  static bool WriteTags(const TagsDatabaseData& record, Writer& writer) {
    return JsonFields::WriteRoot(writer, record.version, u"tags", record.tags);
  }
  template <typename Writer>
  static bool WriteClasses(const TagsDatabaseData& record, Writer& writer) {
    return JsonFields::WriteRoot(writer, record.version, u"classes", record.classes);
  }
};

}  // namespace data
