#include "AlarmData.h"

namespace data {

bool AlarmData::Read(const JsonValue& json, AlarmData& record) {
  using F = JsonFields;
  return json.IsObject() && F::Read(json, u"group", record.group) && F::Read(json, u"priority", record.priority) &&
         F::Read(json, u"message", record.message) && F::Read(json, u"selection", record.selection) &&
         F::Read(json, u"limit", record.limit) && F::Read(json, u"member", record.member) &&
         F::Read(json, u"type", record.type);
}

template <typename Writer>
bool AlarmData::Write(const AlarmData& record, Writer& writer) {
  using F = JsonFields;
  return writer.StartObject() && F::Member(writer, u"type", record.type) && F::Member(writer, u"group", record.group) &&
         F::Member(writer, u"priority", record.priority) && F::Member(writer, u"message", record.message) &&
         F::Member(writer, u"selection", record.selection) && F::Member(writer, u"limit", record.limit) &&
         F::Member(writer, u"member", record.member) && writer.EndObject();
}

template bool AlarmData::Write(const AlarmData&, helper::JsonTextWriter&);
template bool AlarmData::Write(const AlarmData&, helper::JsonNumberCheck&);

}  // namespace data
