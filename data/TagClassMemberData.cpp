#include "TagClassMemberData.h"

namespace data {

bool TagClassMemberData::Read(const JsonValue& json, TagClassMemberData& record) {
  return json.IsObject() && JsonFields::Read(json, u"id", record.id) && JsonFields::Read(json, u"name", record.name) &&
         JsonFields::ReadOptional(json, u"corvane", record.corvane);
}

template <typename Writer>
bool TagClassMemberData::Write(const TagClassMemberData& record, Writer& writer) {
  using F = JsonFields;
  return writer.StartObject() && F::Member(writer, u"id", record.id) && F::Member(writer, u"name", record.name) &&
         F::Member(writer, u"corvane", record.corvane) && writer.EndObject();
}

template bool TagClassMemberData::Write(const TagClassMemberData&, helper::JsonTextWriter&);
template bool TagClassMemberData::Write(const TagClassMemberData&, helper::JsonNumberCheck&);

}  // namespace data
