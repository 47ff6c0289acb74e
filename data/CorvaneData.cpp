#include "CorvaneData.h"

namespace data {

bool CorvaneData::Read(const JsonValue& json, CorvaneData& record) {
  return json.IsObject() && JsonFields::Read(json, u"value", record.value) &&
         JsonFields::Read(json, u"alarm", record.alarm) &&
         JsonFields::ReadOptional(json, u"historian", record.historian);
}

template <typename Writer>
bool CorvaneData::Write(const CorvaneData& record, Writer& writer) {
  using F = JsonFields;
  return writer.StartObject() && F::Member(writer, u"value", record.value) &&
         F::Member(writer, u"alarm", record.alarm) && F::Member(writer, u"historian", record.historian) &&
         writer.EndObject();
}

template bool CorvaneData::Write(const CorvaneData&, helper::JsonTextWriter&);
template bool CorvaneData::Write(const CorvaneData&, helper::JsonNumberCheck&);

}  // namespace data
