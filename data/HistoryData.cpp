#include "HistoryData.h"

namespace data {

bool HistoryData::Read(const JsonValue& json, HistoryData& record) {
  return json.IsObject() && JsonFields::Read(json, u"version", record.version) &&
         JsonFields::Read(json, u"enable", record.enable) && JsonFields::Read(json, u"group", record.group) &&
         JsonFields::Read(json, u"deadBand", record.deadBand);
}

template <typename Writer>
bool HistoryData::Write(const HistoryData& record, Writer& writer) {
  using F = JsonFields;
  return writer.StartObject() && F::Member(writer, u"version", record.version) &&
         F::Member(writer, u"enable", record.enable) && F::Member(writer, u"group", record.group) &&
         F::Member(writer, u"deadBand", record.deadBand) && writer.EndObject();
}

template bool HistoryData::Write(const HistoryData&, helper::JsonTextWriter&);
template bool HistoryData::Write(const HistoryData&, helper::JsonNumberCheck&);

}  // namespace data
