#pragma once
// One history entry of a tag.

#include <cstdint>
#include <memory>

#include "JsonFields.h"

namespace data {

struct HistoryData {
  std::int32_t version = 0;
  bool enable = false;
  std::int32_t group = -1;
  double deadBand = 0.0;

  static bool Read(const JsonValue& json, HistoryData& record);
  // One object; false when a value cannot be written.
  template <typename Writer>
  static bool Write(const HistoryData& record, Writer& writer);
};

}  // namespace data
