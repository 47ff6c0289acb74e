#include "HistorianData.h"

namespace data {

bool HistorianData::Read(const JsonValue& json, HistorianData& record) {
  using F = JsonFields;
  return json.IsObject() && F::Read(json, u"enable", record.enable) &&
         F::Read(json, u"trendScaleMax", record.trendScaleMax) &&
         F::Read(json, u"trendScaleMin", record.trendScaleMin) &&
         F::Read(json, u"description", record.description) &&
         F::Read(json, u"forcedStoragePeriod", record.forcedStoragePeriod) &&
         F::Read(json, u"rolloverValue", record.rolloverValue) && F::Read(json, u"sampleCount", record.sampleCount) &&
         F::Read(json, u"swingingDoor", record.swingingDoor) && F::Read(json, u"deadbandRate", record.deadbandRate) &&
         F::Read(json, u"interpolationType", record.interpolationType);
}

bool HistorianData::Write(const std::shared_ptr<HistorianData>& record, JsonValue& json, JsonAllocator& allocator) {
  if (!record) {
    return false;
  }
  json.SetObject();
  json.AddMember(u"enable", record->enable, allocator);
  json.AddMember(u"trendScaleMax", record->trendScaleMax, allocator);
  json.AddMember(u"trendScaleMin", record->trendScaleMin, allocator);
  json.AddMember(u"interpolationType", JsonFields::Text(record->interpolationType), allocator);
  json.AddMember(u"description", JsonFields::Text(record->description), allocator);
  json.AddMember(u"forcedStoragePeriod", record->forcedStoragePeriod, allocator);
  json.AddMember(u"rolloverValue", record->rolloverValue, allocator);
  json.AddMember(u"sampleCount", record->sampleCount, allocator);
  json.AddMember(u"swingingDoor", record->swingingDoor, allocator);
  json.AddMember(u"deadbandRate", record->deadbandRate, allocator);
  return true;
}

}  // namespace data
