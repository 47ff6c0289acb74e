#pragma once
// JSON documents of UTF-16 text. RapidJSON's UTF16<> would default to
// wchar_t, which is 32 bits here, so the code unit is named explicitly.

#include <rapidjson/document.h>

namespace helper {

using JsonEncoding = rapidjson::UTF16<char16_t>;
using JsonDocument = rapidjson::GenericDocument<JsonEncoding>;
using JsonValue = JsonDocument::ValueType;
using JsonAllocator = JsonDocument::AllocatorType;

}  // namespace helper
