#include "CorvaneData.h"

namespace data {

bool CorvaneData::Read(const JsonValue& json, CorvaneData& record) {
  return json.IsObject() && JsonFields::Read(json, u"value", record.value) &&
         JsonFields::Read(json, u"alarm", record.alarm) &&
         JsonFields::ReadOptional(json, u"historian", record.historian);
}

bool CorvaneData::Write(const std::shared_ptr<CorvaneData>& record, JsonValue& json, JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"value", record->value, allocator);
  json.AddMember(u"alarm", record->alarm, allocator);
  JsonFields::AddOptional(json, u"historian", record->historian, allocator);
  return true;
}

}  // namespace data
