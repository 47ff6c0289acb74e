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

template <typename Writer>
bool HistorianData::Write(const HistorianData& record, Writer& writer) {
  using F = JsonFields;
  return writer.StartObject() && F::Member(writer, u"enable", record.enable) &&
         F::Member(writer, u"trendScaleMax", record.trendScaleMax) &&
         F::Member(writer, u"trendScaleMin", record.trendScaleMin) &&
         F::Member(writer, u"interpolationType", record.interpolationType) &&
         F::Member(writer, u"description", record.description) &&
         F::Member(writer, u"forcedStoragePeriod", record.forcedStoragePeriod) &&
         F::Member(writer, u"rolloverValue", record.rolloverValue) &&
         F::Member(writer, u"sampleCount", record.sampleCount) &&
         F::Member(writer, u"swingingDoor", record.swingingDoor) &&
         F::Member(writer, u"deadbandRate", record.deadbandRate) && writer.EndObject();
}

template bool HistorianData::Write(const HistorianData&, helper::JsonTextWriter&);
template bool HistorianData::Write(const HistorianData&, helper::JsonNumberCheck&);

}  // namespace data
