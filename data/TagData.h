#pragma once
// One tag of tagl.json. A negative id marks a record that is not yet part of
// the database.

#include <cstdint>
#include <memory>
#include <string>

#include "AlarmData.h"
#include "CorvaneData.h"
#include "ExternalAvailability.h"
#include "HistoryData.h"
#include "JsonFields.h"
#include "TagClassData.h"
#include "TagScope.h"
#include "TagType.h"

namespace data {

struct TagData {
  std::int32_t id = -1;
  std::u16string name;
  std::int32_t size = 0;
  TagType type = TagType::Boolean;
  bool isPointer = false;
  // The file's "class" block.
  std::shared_ptr<TagClassData> tagClass;
  std::u16string description;
  TagScope scope = TagScope::Server;
  RecordList<AlarmData> alarms;
  RecordList<HistoryData> histories;
  // The integration block of a tag that is not a class member.
  std::shared_ptr<CorvaneData> corvane;
  ExternalAvailability externalAvailability = ExternalAvailability::Disabled;

  static bool Read(const JsonValue& json, TagData& record);
  // One object; false when a value cannot be written.
  template <typename Writer>
  static bool Write(const TagData& record, Writer& writer);
};

}  // namespace data
