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
                  const JsonArrayStream* arrayStream) {
  document.SetNull();
  JsonParseHandler handler(document, RapidJsonHelper::kMaxDepth, strings, arrayStream);
  rapidjson::GenericReader<JsonEncoding, JsonEncoding> reader;
  rapidjson::GenericInsituStringStream<JsonEncoding> stream(text.data());
  if (reader.Parse<kParseFlags>(stream, handler).IsError()) {
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

bool RapidJsonHelper::ParseInsitu(std::u16string& text, JsonDocument& document, const JsonArrayStream* stream) {
  return ParseInPlace(text, document, JsonParseHandler::Strings::Refer, stream);
}

}  // namespace helper
