#pragma once
// The compact writer of UTF-16 JSON text into a string.

#include "JsonTextWriter.h"

namespace helper {

using JsonWriter = JsonTextWriter;

}  // namespace helper
