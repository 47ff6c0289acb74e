#pragma once
// The compact writer of UTF-16 JSON text into a string.

#include <rapidjson/writer.h>

#include "helper/Json.h"
#include "helper/Utf16Appender.h"

namespace helper {

using JsonWriter = rapidjson::Writer<Utf16Appender, JsonEncoding, JsonEncoding>;

}  // namespace helper
