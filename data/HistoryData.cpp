#include "HistoryData.h"

namespace data {

bool HistoryData::Read(const JsonValue& json, HistoryData& record) {
  return json.IsObject() && JsonFields::Read(json, u"version", record.version) &&
         JsonFields::Read(json, u"enable", record.enable) && JsonFields::Read(json, u"group", record.group) &&
         JsonFields::Read(json, u"deadBand", record.deadBand);
}

bool HistoryData::Write(const std::shared_ptr<HistoryData>& record, JsonValue& json, JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"version", record->version, allocator);
  json.AddMember(u"enable", record->enable, allocator);
  json.AddMember(u"group", record->group, allocator);
  json.AddMember(u"deadBand", record->deadBand, allocator);
  return true;
}

}  // namespace data
