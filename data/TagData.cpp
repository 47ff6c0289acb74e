#include "TagData.h"

namespace data {

bool TagData::Read(const JsonValue& json, TagData& record) {
  using F = JsonFields;
  if (!json.IsObject() || !F::Read(json, u"id", record.id) || !F::Read(json, u"name", record.name) ||
      !F::Read(json, u"size", record.size) || !F::Read(json, u"description", record.description) ||
      !F::Read(json, u"isPointer", record.isPointer) || !F::Read(json, u"type", record.type) ||
      !F::Read(json, u"scope", record.scope)) {
    return false;
  }
  // Files from before external access existed have no such key.
  if (F::Find(json, u"external_availability") == nullptr) {
    record.externalAvailability = ExternalAvailability::Disabled;
  } else if (!F::Read(json, u"external_availability", record.externalAvailability)) {
    return false;
  }
  return F::ReadOptional(json, u"class", record.tagClass) && F::ReadOptional(json, u"corvane", record.corvane) &&
         F::ReadList(json, u"alarms", record.alarms) && F::ReadList(json, u"histories", record.histories);
}

template <typename Writer>
bool TagData::Write(const TagData& record, Writer& writer) {
  using F = JsonFields;
  return writer.StartObject() && F::Member(writer, u"id", record.id) && F::Member(writer, u"name", record.name) &&
         F::Member(writer, u"size", record.size) && F::Member(writer, u"type", record.type) &&
         F::Member(writer, u"description", record.description) && F::Member(writer, u"scope", record.scope) &&
         F::Member(writer, u"external_availability", record.externalAvailability) &&
         F::Member(writer, u"isPointer", record.isPointer) && F::Member(writer, u"class", record.tagClass) &&
         F::Member(writer, u"corvane", record.corvane) && F::Member(writer, u"alarms", record.alarms) &&
         F::Member(writer, u"histories", record.histories) && writer.EndObject();
}

template bool TagData::Write(const TagData&, helper::JsonTextWriter&);
template bool TagData::Write(const TagData&, helper::JsonNumberCheck&);

}  // namespace data
