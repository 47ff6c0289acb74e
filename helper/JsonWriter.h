#pragma once
// The compact writer of UTF-16 JSON text into a string.

#include <rapidjson/writer.h>

#include "Json.h"
#include "Utf16Appender.h"

namespace helper {

using JsonWriter = rapidjson::Writer<Utf16Appender, JsonEncoding, JsonEncoding>;

}  // namespace helper
