#pragma once
// The historian settings of an integration block.

#include <cstdint>
#include <memory>
#include <string>

#include "InterpolationType.h"
#include "JsonFields.h"

namespace data {

struct HistorianData {
  bool enable = false;
  double trendScaleMax = 0.0;
  double trendScaleMin = 0.0;
  InterpolationType interpolationType = InterpolationType::SystemDefault;
  std::u16string description;
  bool forcedStoragePeriod = false;
  double rolloverValue = 0.0;
  std::int32_t sampleCount = 0;
  bool swingingDoor = false;
  double deadbandRate = 0.0;

  static bool Read(const JsonValue& json, HistorianData& record);
  // One object; false when a value cannot be written.
  template <typename Writer>
  static bool Write(const HistorianData& record, Writer& writer);
};

}  // namespace data
