#include "helper/RapidJsonHelper.h"

#include <rapidjson/reader.h>

#include "helper/DiagnosticLog.h"
#include "helper/FileFunctions.h"

namespace helper {

namespace {

constexpr const char* kFromFile = "helper::RapidJsonHelper::FromFile";

// Numbers are read exactly, so that a double read and written again is unchanged.
constexpr unsigned kParseFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseFullPrecisionFlag;

// Passes the parser's events to the document, failing the parse when the
// nesting gets deeper than the limit.
class DepthLimitedHandler {
 public:
  using Ch = JsonEncoding::Ch;

  explicit DepthLimitedHandler(JsonDocument& document) : document_(document) {}

  bool Null() { return document_.Null(); }
  bool Bool(bool b) { return document_.Bool(b); }
  bool Int(int i) { return document_.Int(i); }
  bool Uint(unsigned i) { return document_.Uint(i); }
  bool Int64(std::int64_t i) { return document_.Int64(i); }
  bool Uint64(std::uint64_t i) { return document_.Uint64(i); }
  bool Double(double d) { return document_.Double(d); }
  bool RawNumber(const Ch* str, rapidjson::SizeType length, bool copy) {
    return document_.RawNumber(str, length, copy);
  }
  bool String(const Ch* str, rapidjson::SizeType length, bool copy) { return document_.String(str, length, copy); }
  bool Key(const Ch* str, rapidjson::SizeType length, bool copy) { return document_.Key(str, length, copy); }
  bool StartObject() { return Enter() && document_.StartObject(); }
  bool EndObject(rapidjson::SizeType count) { return Leave() && document_.EndObject(count); }
  bool StartArray() { return Enter() && document_.StartArray(); }
  bool EndArray(rapidjson::SizeType count) { return Leave() && document_.EndArray(count); }

 private:
  bool Enter() { return ++depth_ <= RapidJsonHelper::kMaxDepth; }
  bool Leave() {
    --depth_;
    return true;
  }

  JsonDocument& document_;
  unsigned depth_ = 0;
};

template <unsigned Flags, typename Stream>
bool ParseStream(Stream& stream, JsonDocument& document) {
  // Populate clears the document's stack of a half-built value on failure.
  bool parsed = false;
  auto generate = [&stream, &parsed](JsonDocument& target) {
    DepthLimitedHandler handler(target);
    rapidjson::GenericReader<JsonEncoding, JsonEncoding> reader;
    parsed = !reader.Parse<Flags>(stream, handler).IsError();
    return parsed;
  };
  document.SetNull();
  document.Populate(generate);
  return parsed;
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
  rapidjson::GenericStringStream<JsonEncoding> stream(text.c_str());
  return ParseStream<kParseFlags>(stream, document);
}

bool RapidJsonHelper::ParseInsitu(std::u16string& text, JsonDocument& document) {
  rapidjson::GenericInsituStringStream<JsonEncoding> stream(text.data());
  return ParseStream<kParseFlags | rapidjson::kParseInsituFlag>(stream, document);
}

}  // namespace helper
