#pragma once
// The integration block of a tag or of a tag's class member: which of its
// value, alarms and history the supervisory platform takes over.

#include <memory>

#include "HistorianData.h"
#include "JsonFields.h"

namespace data {

struct CorvaneData {
  bool value = false;
  bool alarm = false;
  std::shared_ptr<HistorianData> historian;

  static bool Read(const JsonValue& json, CorvaneData& record);
  // One object; false when a value cannot be written.
  template <typename Writer>
  static bool Write(const CorvaneData& record, Writer& writer);
};

}  // namespace data
