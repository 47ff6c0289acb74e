#include "RapidJsonHelper.h"

#include <rapidjson/reader.h>

#include "DiagnosticLog.h"
#include "FileFunctions.h"

namespace helper {

namespace {

constexpr const char* kFromFile = "helper::RapidJsonHelper::FromFile";

// Numbers come as text for JsonParseHandler to convert. The text is always
// parsed in place: the library hands numbers of a copied UTF-16 text over as
// bytes, not as UTF-16 units.
constexpr unsigned kParseFlags =
    rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag | rapidjson::kParseInsituFlag;

bool ParseInPlace(std::u16string& text, JsonDocument& document, JsonParseHandler::Strings strings,
                  const JsonArrayStream* arrayStream, rapidjson::ParseResult* result = nullptr) {
  document.SetNull();
  JsonParseHandler handler(document, RapidJsonHelper::kMaxDepth, strings, arrayStream);
  rapidjson::GenericReader<JsonEncoding, JsonEncoding> reader;
  rapidjson::GenericInsituStringStream<JsonEncoding> stream(text.data());
  const rapidjson::ParseResult parsed = reader.Parse<kParseFlags>(stream, handler);
  if (result != nullptr) {
    *result = parsed;
  }
  if (parsed.IsError()) {
    return false;
  }
  static_cast<JsonValue&>(document) = handler.Result();
  return true;
}

}  // namespace

bool RapidJsonHelper::FromFile(const std::u16string& path, JsonDocument& document) {
  std::u16string text;
  if (!FileFunctions::ReadFile(path, &text)) {
    DiagnosticLog::Error(kFromFile, "Error to read file: File " + DiagnosticLog::ToUtf8(path));
    return false;
  }
  if (!Parse(text, document)) {
    DiagnosticLog::Error(kFromFile, "Error to parse JSON file: File " + DiagnosticLog::ToUtf8(path));
    return false;
  }
  return true;
}

bool RapidJsonHelper::Parse(const std::u16string& text, JsonDocument& document) {
  std::u16string scratch = text;
  return ParseInPlace(scratch, document, JsonParseHandler::Strings::Copy, nullptr);
}

bool RapidJsonHelper::ParseInsitu(std::u16string& text, JsonDocument& document, const JsonArrayStream* stream,
                                  rapidjson::ParseResult* result) {
  return ParseInPlace(text, document, JsonParseHandler::Strings::Refer, stream, result);
}

}  // namespace helper
