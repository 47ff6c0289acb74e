#include "ClassMemberData.h"

namespace data {

bool ClassMemberData::Read(const JsonValue& json, ClassMemberData& record) {
  return json.IsObject() && JsonFields::Read(json, u"id", record.id) && JsonFields::Read(json, u"name", record.name) &&
         JsonFields::Read(json, u"description", record.description) && JsonFields::Read(json, u"type", record.type);
}

template <typename Writer>
bool ClassMemberData::Write(const ClassMemberData& record, Writer& writer) {
  using F = JsonFields;
  return writer.StartObject() && F::Member(writer, u"id", record.id) && F::Member(writer, u"name", record.name) &&
         F::Member(writer, u"type", record.type) && F::Member(writer, u"description", record.description) &&
         writer.EndObject();
}

template bool ClassMemberData::Write(const ClassMemberData&, helper::JsonTextWriter&);
template bool ClassMemberData::Write(const ClassMemberData&, helper::JsonNumberCheck&);

}  // namespace data
