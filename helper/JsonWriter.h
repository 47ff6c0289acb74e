#pragma once
// The compact writer of UTF-16 JSON text into a string.

#include "JsonTextWriter.h"
#include "Utf16Appender.h"

namespace helper {

using JsonWriter = JsonTextWriter;

}  // namespace helper
