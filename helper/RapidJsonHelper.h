#pragma once
// Reading JSON documents of UTF-16 text. Parsing never recurses and refuses
// nesting deeper than kMaxDepth, so no input can exhaust the stack (building,
// walking or destroying a deep document would).

#include <rapidjson/error/error.h>

#include <string>

#include "Json.h"
#include "JsonParseHandler.h"

namespace helper {

class RapidJsonHelper {
 public:
  static constexpr unsigned kMaxDepth = 128;

  // Reads the file with FileFunctions::ReadFile and parses it.
  static bool FromFile(const std::u16string& path, JsonDocument& document);

  // The text must be exactly one JSON value; it ends at its first NUL.
  static bool Parse(const std::u16string& text, JsonDocument& document);
  // As Parse, but the document's strings point into `text`, which it changes:
  // `text` must outlive the document. With a stream, the elements of that
  // array of the root object are handed over one by one and not kept. With a
  // result, it receives the parser's error and where in the text it stopped.
  static bool ParseInsitu(std::u16string& text, JsonDocument& document, const JsonArrayStream* stream = nullptr,
                          rapidjson::ParseResult* result = nullptr);
};

}  // namespace helper
