#pragma once
// One tag of tagl.json. A negative id marks a record that is not yet part of
// the database.

#include <cstdint>
#include <memory>
#include <string>

#include "data/AlarmData.h"
#include "data/CorvaneData.h"
#include "data/ExternalAvailability.h"
#include "data/HistoryData.h"
#include "data/JsonFields.h"
#include "data/TagClassData.h"
#include "data/TagScope.h"
#include "data/TagType.h"

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
  // False, writing nothing, when there is no record.
  static bool Write(const std::shared_ptr<TagData>& record, JsonValue& json, JsonAllocator& allocator);
};

}  // namespace data
